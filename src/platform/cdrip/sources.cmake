tavro_folder(tavro_platform platform/cdrip
    CdRipDrive.cpp CdRipDrive.h
    CdRipLibrary.h
    CdRipSettings.cpp CdRipSettings.h
    CdioRipLibrary.cpp CdioRipLibrary.h
    CueSheet.cpp CueSheet.h
    ImageSheet.cpp ImageSheet.h
    ParanoiaRun.cpp ParanoiaRun.h
    SheetTracks.cpp SheetTracks.h
    TocSheet.cpp TocSheet.h
)
