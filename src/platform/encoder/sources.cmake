tavro_folder(tavro_platform platform/encoder
    EncoderConfig.cpp EncoderConfig.h
    EncoderLibrary.cpp EncoderLibrary.h
    EncoderStream.cpp EncoderStream.h
    LameSettings.cpp LameSettings.h
)
