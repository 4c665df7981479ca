#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

class MprisPlayerAdaptor;
class MprisTarget;

// Puts a player on the session bus as an MPRIS media player at /org/mpris/MediaPlayer2, so
// media keys and the desktop's media widget control it. When the target changes, the Player
// properties that changed are announced with PropertiesChanged (Position never is: clients
// follow it from the rate and the Seeked signal).
class MprisService : public QObject {
    Q_OBJECT
public:
    explicit MprisService(MprisTarget &target, QObject *parent = nullptr);
    // Gives the name back.
    ~MprisService() override;

    // Registers on the session bus as org.mpris.MediaPlayer2.tavro, or as
    // org.mpris.MediaPlayer2.tavro.instance<pid> when another copy holds that name. False when
    // there is no session bus; the player works as before.
    bool publish();
    // The name taken by publish(); empty before.
    QString busName() const { return m_busName; }

private:
    QVariantMap playerProperties() const;
    void announceChanges();

    MprisTarget &m_target;
    MprisPlayerAdaptor *m_player;
    QVariantMap m_announced;
    QString m_busName;
};
