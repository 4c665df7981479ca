tavro_folder(tavro_platform platform/files
    FileEntry.cpp FileEntry.h
    FileNameCodec.cpp FileNameCodec.h
    RegularFile.cpp RegularFile.h
    RunningProgram.cpp RunningProgram.h
    SavedFile.cpp SavedFile.h
    UnnamedFile.cpp UnnamedFile.h
)
