#include <csignal>

#include <QApplication>

#include "InstanceLock.h"
#include "Mp3MediaComponent.h"
#include "PlayerWindow.h"
#include "SoundCommandService.h"
#include "WidgetFileDialog.h"
#include "WidgetMessageBox.h"

int main(int argc, char *argv[])
{
    // Over a file-size limit a write must fail with EFBIG, which the writers handle by putting the
    // file back, instead of the signal ending the process halfway through a write.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavro"));
    QApplication::setApplicationDisplayName(QStringLiteral("TAVRO MP3 PLAYER 1.6 BETA"));

    WidgetMessageBox messageBox;
    WidgetFileDialog fileDialog;
    MessageBox::setInstance(&messageBox);
    FileDialog::setInstance(&fileDialog);

    // Taken at start-up, so that a copy started later knows this one runs.
    InstanceLock instanceLock;
    SoundCommandService sound;
    Mp3MediaComponent media;
    PlayerWindow window(media, sound,
                        [&instanceLock] { return instanceLock.anotherCopyRunning(); });
    window.show();
    window.startUp(QApplication::arguments().mid(1));
    const int status = QApplication::exec();
    MessageBox::setInstance(nullptr);
    FileDialog::setInstance(nullptr);
    return status;
}
