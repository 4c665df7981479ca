target_sources(tavro_core PRIVATE
    cd/RaisedError.cpp cd/RaisedError.h
    cd/cWAVWriter.cpp cd/cWAVWriter.h
    cd/cWavReader.cpp cd/cWavReader.h
    cd/cMp3Writer.cpp cd/cMp3Writer.h
    cd/cLameEncoder.cpp cd/cLameEncoder.h
    cd/EncodingPresets.cpp cd/EncodingPresets.h
)
target_sources(tavro_cli_commands PRIVATE
    cd/EncodeCommand.cpp cd/EncodeCommand.h
)
