tavro_folder(tavro_platform platform/files
    SavedFile.cpp SavedFile.h
)
