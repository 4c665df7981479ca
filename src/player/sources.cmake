tavro_folder(tavro_core player
    ClockTexts.cpp ClockTexts.h
    PlaybackEngine.cpp PlaybackEngine.h
    PlaybackTables.cpp PlaybackTables.h
    PlayerDisplay.h
    PlaylistActions.cpp PlaylistActions.h
)
