#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>

class MprisTarget;

// org.mpris.MediaPlayer2: who the player is, and Raise and Quit.
class MprisRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ yes)
    Q_PROPERTY(bool CanRaise READ yes)
    Q_PROPERTY(bool Fullscreen READ no)
    Q_PROPERTY(bool CanSetFullscreen READ no)
    Q_PROPERTY(bool HasTrackList READ no)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)
public:
    // holder: the object registered on the bus, which owns the adaptor.
    MprisRootAdaptor(QObject *holder, MprisTarget &target);

    static bool yes() { return true; }
    static bool no() { return false; }
    static QString Identity() { return QStringLiteral("Tavro"); }
    // The name of the installed desktop entry, without ".desktop".
    static QString DesktopEntry() { return QStringLiteral("tavro"); }
    static QStringList SupportedUriSchemes() { return {QStringLiteral("file")}; }
    static QStringList SupportedMimeTypes() { return {QStringLiteral("audio/mpeg")}; }

public slots:
    void Raise();
    void Quit();

private:
    MprisTarget &m_target;
};
