tavro_folder(tavro_platform platform/desktop
    DesktopAssociation.cpp DesktopAssociation.h
    DesktopKeyFile.cpp DesktopKeyFile.h
    DesktopRegistry.cpp DesktopRegistry.h
    ProgramIcon.cpp ProgramIcon.h
)
# The icon is built in, so the association can install it wherever the program runs from.
qt_add_resources(tavro_platform tavro_icon PREFIX /tavro BASE platform/desktop FILES
    platform/desktop/icons/tavro.png platform/desktop/icons/tavro.svg)
