tavro_folder(tavro_platform platform/sound
    SoundCommandService.cpp SoundCommandService.h
    SoundCommands.h
)
