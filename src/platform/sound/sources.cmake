tavro_folder(tavro_platform platform/sound
    AudioCapture.cpp AudioCapture.h
    CaptureWorker.cpp CaptureWorker.h
    CdAudioDevice.cpp CdAudioDevice.h
    DiscAudioSource.cpp DiscAudioSource.h
    DiscLayout.cpp DiscLayout.h
    SoundCommand.h
    SoundCommandParser.cpp SoundCommandParser.h
    SoundCommandService.cpp SoundCommandService.h
    SoundCommands.h
    SoundDevice.h
    SoundDevices.cpp SoundDevices.h
    SoundErrors.cpp SoundErrors.h
    WaveAudioDevice.cpp WaveAudioDevice.h
)
