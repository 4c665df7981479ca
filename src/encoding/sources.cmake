tavro_folder(tavro_core encoding
    EncodingPresets.cpp EncodingPresets.h
    Mp3Writer.cpp Mp3Writer.h
    RaisedError.cpp RaisedError.h
    WavReader.cpp WavReader.h
    WavToMp3Encoder.cpp WavToMp3Encoder.h
    WavWriter.cpp WavWriter.h
)
