#pragma once

#include <QString>

class SoundCommands;

// Drives the audio-CD device through command texts under the alias "cd". Holds no state of its
// own: every answer is a fresh status query, and a query that fails answers false, 0 or the
// empty text. Use: ReadyDevice, then any member; StopTrack and UnloadAll end the use.
class CdPlayer {
public:
    explicit CdPlayer(SoundCommands &service);

    void PlayTrack();
    void StopTrack();
    // Next track, wrapping from the last to the first; plays it when the disc was playing,
    // otherwise only positions there.
    void PlayNext();
    // Previous track, wrapping from the first to the last; plays as PlayNext does.
    void PlayPrevious();
    // Ten seconds back or forward from the position on the disc, unclamped.
    void Rewind();
    void Forward();
    void EjectOpenCD();
    // Closes every device of the process, then opens the CD device.
    bool ReadyDevice();
    bool SetCDPlayerReady();
    void UnloadAll();
    void PauseTrack();
    void EjectCloseCD();
    bool CheckCD();
    // mm:ss:ff
    QString GetCDLength();
    bool CheckIfCDIsPlaying();
    void SetCDFormat_MilliSeconds();
    void SetCDFormat_TMSF();
    QString GetMCIErrorString(quint32 error);
    // mm:ss:ff
    QString GetCurrentTrackLength();
    qint16 GetCurrentTrack();
    qint16 GetTotalNumberOfTracks();
    // tt:mm:ss:ff
    QString GetCDPosition();

private:
    void send(const QString &command);
    // The reply when the command succeeds; nothing otherwise.
    bool query(const QString &command, QString &reply);
    QString queryText(const QString &command);
    qint16 queryNumber(const QString &command);
    void step(qint32 target);
    void wind(qint32 milliseconds);

    SoundCommands &m_service;
};
