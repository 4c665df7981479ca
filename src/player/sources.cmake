target_sources(tavro_core PRIVATE
    player/DisplayName.cpp player/DisplayName.h
    player/M3uFile.cpp player/M3uFile.h
    player/Playlist.cpp player/Playlist.h
    player/PlaybackTables.cpp player/PlaybackTables.h
    player/PlayerDisplay.h
    player/PlaybackEngine.cpp player/PlaybackEngine.h
    player/PlaylistActions.cpp player/PlaylistActions.h
    player/ClockTexts.cpp player/ClockTexts.h
)
target_sources(tavro_gui PRIVATE
    player/Form1.cpp player/Form1.h
    player/Form1Controls.cpp player/Form1Controls.h
    player/SeekBar.cpp player/SeekBar.h
    player/ScrollingText.cpp player/ScrollingText.h
    player/PathStrip.cpp player/PathStrip.h
    player/TitleLabel.cpp player/TitleLabel.h
)
target_sources(tavro_gui PRIVATE player/modCloseBtn.cpp player/modCloseBtn.h)
