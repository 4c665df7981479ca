target_sources(tavro_core PRIVATE
    cd/RaisedError.cpp cd/RaisedError.h
    cd/cWAVWriter.cpp cd/cWAVWriter.h
    cd/cWavReader.cpp cd/cWavReader.h
    cd/cMp3Writer.cpp cd/cMp3Writer.h
    cd/cLameEncoder.cpp cd/cLameEncoder.h
    cd/EncodingPresets.cpp cd/EncodingPresets.h
    cd/mCDRip.cpp cd/mCDRip.h
    cd/cCDRip.cpp cd/cCDRip.h
    cd/cDrive.cpp cd/cDrive.h
    cd/cToc.cpp cd/cToc.h
    cd/cTocEntry.cpp cd/cTocEntry.h
    cd/cCDTrackRipper.cpp cd/cCDTrackRipper.h
    cd/PartFile.cpp cd/PartFile.h
    cd/CdToMp3Job.cpp cd/CdToMp3Job.h
    cd/TrackRowTexts.cpp cd/TrackRowTexts.h
    cd/EncoderRunTexts.cpp cd/EncoderRunTexts.h
)
target_sources(tavro_gui PRIVATE
    cd/Form2Controls.cpp cd/Form2Controls.h
    cd/Form2.cpp cd/Form2.h
)
target_sources(tavro_cli_commands PRIVATE
    cd/EncodeCommand.cpp cd/EncodeCommand.h
    cd/EncoderCliOptions.cpp cd/EncoderCliOptions.h
    cd/CliDisc.cpp cd/CliDisc.h
    cd/TocCommand.cpp cd/TocCommand.h
    cd/RipCommand.cpp cd/RipCommand.h
)
