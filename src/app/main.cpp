#include <csignal>

#include <QApplication>

#include "FileEntry.h"
#include "FileNameCodec.h"
#include "InstanceClient.h"
#include "InstanceLock.h"
#include "InstanceServer.h"
#include "Mp3MediaComponent.h"
#include "MprisService.h"
#include "PlayerWindow.h"
#include "SoundCommandService.h"
#include "WidgetFileDialog.h"
#include "WidgetMessageBox.h"

namespace {
// Long enough for a running copy that is busy for a moment to take the message.
constexpr int kHandOverMs = 3000;

// The command line's own bytes: Qt's arguments() would re-encode a name that is not UTF-8.
// QApplication has taken its own options out of argv by now.
QStringList commandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << FileNameCodec::decode(argv[i]);
    return arguments;
}
} // namespace

int main(int argc, char *argv[])
{
    // Over a file-size limit a write must fail with EFBIG, which the writers handle by putting the
    // file back, instead of the signal ending the process halfway through a write.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavro"));
    QApplication::setApplicationDisplayName(QStringLiteral("TAVRO MP3 PLAYER 1.6 BETA"));
    const QStringList arguments = commandLine(argc, argv);
    const QString file = PlayerWindow::commandLineFile(arguments);

    // One copy runs: the holder of the lock, which serves the socket (and tells the CD player
    // that it is the only copy). A later copy hands its file over, or asks the running copy to
    // come forward, and ends without a window.
    InstanceLock instanceLock;
    InstanceServer server;
    const QString serverPath = InstanceServer::defaultPath();
    if (instanceLock.anotherCopyRunning() &&
        InstanceClient::handOver(
            serverPath, file.isEmpty() ? QStringList() : QStringList{FileEntry::absolute(file)},
            kHandOverMs))
        return 0;
    // Nobody took it: this copy opens its own window, and serves if the other copy has ended.
    if (!instanceLock.anotherCopyRunning())
        server.listen(serverPath);

    WidgetMessageBox messageBox;
    WidgetFileDialog fileDialog;
    MessageBox::setInstance(&messageBox);
    FileDialog::setInstance(&fileDialog);

    SoundCommandService sound;
    Mp3MediaComponent media;
    PlayerWindow window(media, sound,
                        [&instanceLock] { return instanceLock.anotherCopyRunning(); });
    QObject::connect(&server, &InstanceServer::pathsReceived, &window, &PlayerWindow::playFiles);
    QObject::connect(&server, &InstanceServer::activationRequested, &window,
                     &PlayerWindow::comeForward);
    // Media keys and the desktop's media widget; without a session bus the player runs as before.
    MprisService mpris(window.remote());
    mpris.publish();
    window.show();
    window.startUp(arguments);
    const int status = QApplication::exec();
    MessageBox::setInstance(nullptr);
    FileDialog::setInstance(nullptr);
    return status;
}
