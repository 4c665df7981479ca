tavro_folder(tavro_platform platform/media
    AudioOutput.h
    MediaComponent.h
    Mp3Decoder.cpp Mp3Decoder.h
    Mp3MediaComponent.cpp Mp3MediaComponent.h
    NullAudioOutput.cpp NullAudioOutput.h
    PcmSource.h
    PlaybackThread.cpp PlaybackThread.h
    PlaybackWorker.cpp PlaybackWorker.h
    QtAudioOutput.cpp QtAudioOutput.h
    TempoStage.cpp TempoStage.h
)
