tavro_folder(tavro_core playlist
    DisplayName.cpp DisplayName.h
    M3uFile.cpp M3uFile.h
    Playlist.cpp Playlist.h
)
