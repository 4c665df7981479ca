tavro_folder(tavro_core recorder
    RecorderTexts.cpp RecorderTexts.h
    VoiceRecorder.cpp VoiceRecorder.h
    VoiceRecording.cpp VoiceRecording.h
)
