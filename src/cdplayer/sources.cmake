tavro_folder(tavro_core cdplayer
    CdPlayer.cpp CdPlayer.h
)
