tavro_folder(tavro_core volumes
    FolderListing.cpp FolderListing.h
    MountTable.cpp MountTable.h
    MountedVolume.h
)
