tavro_folder(tavro_player_window ui/player
    PathStrip.cpp PathStrip.h
    PlayerWindow.cpp PlayerWindow.h
    PlayerWindowControls.cpp PlayerWindowControls.h
    PlaylistDropTarget.cpp PlaylistDropTarget.h
    ScrollingText.cpp ScrollingText.h
    SeekBar.cpp SeekBar.h
    TitleLabel.cpp TitleLabel.h
)
