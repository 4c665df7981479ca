# Files of this folder go into the layer targets; paths relative to src/.
target_sources(tavro_core PRIVATE
    controls/ProgressScale.cpp controls/ProgressScale.h
    controls/PropertyBag.cpp controls/PropertyBag.h
    controls/MountedVolume.h
    controls/MountTable.cpp controls/MountTable.h
    controls/FolderListing.cpp controls/FolderListing.h
)
target_sources(tavro_gui PRIVATE
    controls/chameleonButton.cpp controls/chameleonButton.h
    controls/OleColor.cpp controls/OleColor.h
    controls/ProgressBar.cpp controls/ProgressBar.h
    controls/DriveIcons.cpp controls/DriveIcons.h
    controls/DirTree.cpp controls/DirTree.h
    controls/DriveListBox.cpp controls/DriveListBox.h
    controls/DirListBox.cpp controls/DirListBox.h
    controls/FileListBox.cpp controls/FileListBox.h
    controls/ScreenPlacement.cpp controls/ScreenPlacement.h
)
