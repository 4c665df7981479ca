tavro_folder(tavro_core player
    ClockTexts.cpp ClockTexts.h
    DroppedFiles.cpp DroppedFiles.h
    PlaybackEngine.cpp PlaybackEngine.h
    PlaybackTables.cpp PlaybackTables.h
    PlayerDisplay.h
    PlaylistActions.cpp PlaylistActions.h
)
