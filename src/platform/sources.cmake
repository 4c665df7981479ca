target_sources(tavro_platform PRIVATE
    platform/console/CliCommand.h
    platform/console/CliRegistry.cpp platform/console/CliRegistry.h
    platform/console/ConsoleProgressBar.cpp platform/console/ConsoleProgressBar.h
    platform/console/InterruptGuard.cpp platform/console/InterruptGuard.h
    platform/dialogs/MessageBox.cpp platform/dialogs/MessageBox.h
    platform/dialogs/ConsoleMessageBox.cpp platform/dialogs/ConsoleMessageBox.h
    platform/dialogs/FileDialog.cpp platform/dialogs/FileDialog.h
    platform/errors/ResumeNext.h
)
# The Widgets implementations of the dialog services belong to the window layer.
target_sources(tavro_gui PRIVATE
    platform/dialogs/WidgetMessageBox.cpp platform/dialogs/WidgetMessageBox.h
    platform/dialogs/WidgetFileDialog.cpp platform/dialogs/WidgetFileDialog.h
)
include(platform/media/sources.cmake)
include(platform/encoder/sources.cmake)
include(platform/cdrip/sources.cmake)
