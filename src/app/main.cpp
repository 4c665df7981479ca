#include <QApplication>

#include "Mp3MediaComponent.h"
#include "PlayerWindow.h"
#include "SoundCommandService.h"
#include "WidgetFileDialog.h"
#include "WidgetMessageBox.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavro"));
    QApplication::setApplicationDisplayName(QStringLiteral("TAVRO MP3 PLAYER 1.6 BETA"));

    WidgetMessageBox messageBox;
    WidgetFileDialog fileDialog;
    MessageBox::setInstance(&messageBox);
    FileDialog::setInstance(&fileDialog);

    Mp3MediaComponent media;
    SoundCommandService sound;
    PlayerWindow window(media, sound);
    window.show();
    window.startUp(QApplication::arguments().mid(1));
    const int status = QApplication::exec();
    MessageBox::setInstance(nullptr);
    FileDialog::setInstance(nullptr);
    return status;
}
