target_sources(tavro_platform PRIVATE
    platform/encoder/EncoderLibrary.cpp platform/encoder/EncoderLibrary.h
    platform/encoder/EncoderConfig.cpp platform/encoder/EncoderConfig.h
    platform/encoder/EncoderStream.cpp platform/encoder/EncoderStream.h
    platform/encoder/LameSettings.cpp platform/encoder/LameSettings.h
)
