#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>

#include "MprisTarget.h"

// org.mpris.MediaPlayer2.Player: the transport, the current track and its position. Methods
// are answered at once and carried out from the event loop (MprisTarget::later); Volume and
// Rate are set directly.
class MprisPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(double Rate READ Rate WRITE setRate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE setVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double MinimumRate READ MinimumRate)
    Q_PROPERTY(double MaximumRate READ MaximumRate)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ CanSeek)
    Q_PROPERTY(bool CanControl READ CanControl)
public:
    // holder: the object registered on the bus, which owns the adaptor.
    MprisPlayerAdaptor(QObject *holder, MprisTarget &target);

    QString PlaybackStatus() const;
    double Rate() const { return m_target.rate(); }
    void setRate(double rate) { m_target.setRate(rate); }
    QVariantMap Metadata() const;
    double Volume() const { return m_target.volume(); }
    void setVolume(double volume) { m_target.setVolume(volume); }
    qlonglong Position() const { return m_target.positionUs(); }
    double MinimumRate() const { return m_target.minimumRate(); }
    double MaximumRate() const { return m_target.maximumRate(); }
    bool CanGoNext() const { return m_target.canGoNext(); }
    bool CanGoPrevious() const { return m_target.canGoPrevious(); }
    bool CanPlay() const { return m_target.canPlay(); }
    bool CanPause() const { return m_target.canPause(); }
    bool CanSeek() const { return m_target.canSeek(); }
    static bool CanControl() { return true; }

    // The a{sv} of the track: mpris: and xesam: keys, empty texts left out.
    static QVariantMap metadata(const MprisTarget::Track &track);

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong Offset);
    void SetPosition(const QDBusObjectPath &TrackId, qlonglong Position);
    void OpenUri(const QString &Uri);

signals:
    void Seeked(qlonglong Position);

private:
    MprisTarget &m_target;
};
