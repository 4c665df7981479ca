# Files of this folder go into the layer targets; paths relative to src/.
target_sources(tavro_core PRIVATE
    mp3/Mp3FileInput.cpp mp3/Mp3FileInput.h
    mp3/Mp3Duration.cpp mp3/Mp3Duration.h
    mp3/Mp3Search.cpp mp3/Mp3Search.h
)
target_link_libraries(tavro_core PRIVATE PkgConfig::MPG123)
target_sources(tavro_gui PRIVATE mp3/Form7.cpp mp3/Form7.h)
target_sources(tavro_cli_commands PRIVATE mp3/SearchCommand.cpp mp3/SearchCommand.h)
