tavro_folder(tavro_core cd
    CdDrive.cpp CdDrive.h
    CdDriveList.cpp CdDriveList.h
    CdDrives.cpp CdDrives.h
    CdRipErrors.cpp CdRipErrors.h
    CdToMp3Job.cpp CdToMp3Job.h
    CdToMp3Run.cpp CdToMp3Run.h
    DiscToc.cpp DiscToc.h
    DiscTocEntry.cpp DiscTocEntry.h
    EncoderRunTexts.cpp EncoderRunTexts.h
    TrackEncoderPool.cpp TrackEncoderPool.h
    TrackRipper.cpp TrackRipper.h
    TrackRowTexts.cpp TrackRowTexts.h
)
