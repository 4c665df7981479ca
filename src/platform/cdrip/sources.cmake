target_sources(tavro_platform PRIVATE
    platform/cdrip/CdRipLibrary.h
    platform/cdrip/CdRipSettings.cpp platform/cdrip/CdRipSettings.h
    platform/cdrip/CdRipDrive.cpp platform/cdrip/CdRipDrive.h
    platform/cdrip/ParanoiaRun.cpp platform/cdrip/ParanoiaRun.h
    platform/cdrip/CdioRipLibrary.cpp platform/cdrip/CdioRipLibrary.h
)
