# MP3 analysis: frame headers, ID3v1 tags, play-time analysis, and their tavro-cli commands.
target_sources(tavro_core PRIVATE
    mp3/RegularFile.cpp mp3/RegularFile.h
    mp3/Windows1252.cpp mp3/Windows1252.h
    mp3/FixedText.cpp mp3/FixedText.h
    mp3/TagLists.cpp mp3/TagLists.h
    mp3/FileAttributeText.cpp mp3/FileAttributeText.h
    mp3/Layer3Header.cpp mp3/Layer3Header.h
    mp3/Layer3HeaderSearch.cpp mp3/Layer3HeaderSearch.h
    mp3/Id3v1Tag.cpp mp3/Id3v1Tag.h
    mp3/AppMessage.cpp mp3/AppMessage.h
    mp3/RenamePattern.cpp mp3/RenamePattern.h
    mp3/clsMP3.cpp mp3/clsMP3.h
    mp3/FrameTables.cpp mp3/FrameTables.h
    mp3/clsMP3time.cpp mp3/clsMP3time.h
)
target_sources(tavro_core PRIVATE
    mp3/ShortestText.cpp mp3/ShortestText.h
    mp3/JsonText.cpp mp3/JsonText.h
    mp3/InfoReport.cpp mp3/InfoReport.h
    mp3/TagSheet.cpp mp3/TagSheet.h
    mp3/RenameChoices.cpp mp3/RenameChoices.h
    mp3/TagRenamer.cpp mp3/TagRenamer.h
)
target_sources(tavro_cli_commands PRIVATE
    mp3/InfoCommand.cpp mp3/InfoCommand.h
    mp3/TagCommand.cpp mp3/TagCommand.h
    mp3/RmtagCommand.cpp mp3/RmtagCommand.h
    mp3/RenameCommand.cpp mp3/RenameCommand.h
)
target_sources(tavro_core PRIVATE
    mp3/Mp3FileInput.cpp mp3/Mp3FileInput.h
    mp3/Mp3Duration.cpp mp3/Mp3Duration.h
    mp3/Mp3Search.cpp mp3/Mp3Search.h
)
target_link_libraries(tavro_core PRIVATE PkgConfig::MPG123)
target_sources(tavro_gui PRIVATE mp3/Form7.cpp mp3/Form7.h)
target_sources(tavro_cli_commands PRIVATE mp3/SearchCommand.cpp mp3/SearchCommand.h)
target_sources(tavro_gui PRIVATE
    mp3/Form2b.cpp mp3/Form2b.h
    mp3/Form1A.cpp mp3/Form1A.h
    mp3/TagEditorPage.cpp mp3/TagEditorPage.h
    mp3/RenamerPage.cpp mp3/RenamerPage.h
    mp3/Form2A.cpp mp3/Form2A.h
    mp3/WorkingFolderBox.cpp mp3/WorkingFolderBox.h
)
