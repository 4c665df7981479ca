target_sources(tavro_platform PRIVATE
    platform/media/MediaComponent.h
    platform/media/Mp3Decoder.cpp platform/media/Mp3Decoder.h
    platform/media/TempoStage.cpp platform/media/TempoStage.h
    platform/media/AudioOutput.h
    platform/media/QtAudioOutput.cpp platform/media/QtAudioOutput.h
    platform/media/NullAudioOutput.cpp platform/media/NullAudioOutput.h
    platform/media/PlaybackWorker.cpp platform/media/PlaybackWorker.h
    platform/media/Mp3MediaComponent.cpp platform/media/Mp3MediaComponent.h
)
