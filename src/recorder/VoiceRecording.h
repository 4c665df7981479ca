#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class SoundCommands;

// One recording through the command-string sound service's "waveaudio" device, alias
// "recsound": open, 16-bit stereo format, record; then a display pass (elapsed time and recorded
// size) on a timer until stop() or a failing query; then save as the WAV file and close. A
// failing command is reported and the next one is sent all the same. The passes are timer
// events, so the event loop stays free and no core is kept busy between them.
class VoiceRecording : public QObject {
    Q_OBJECT
public:
    explicit VoiceRecording(SoundCommands &sound, QObject *parent = nullptr);
    // A recording still running is closed unsaved, so that the alias is free for the next one.
    ~VoiceRecording() override;

    // Nothing while a recording runs.
    void start(int samplesPerSecond, const QString &wavFile);
    // Ends the recording where a pass would: saves and closes. Nothing unless one runs.
    void stop();
    bool isRecording() const { return m_passes.isActive(); }

signals:
    // The service's code and its readable text.
    void commandFailed(quint32 code, const QString &text);
    // Once per pass: "mm:ss" since the start (a monotonic clock) and "x.xx MB" recorded.
    void displayed(const QString &time, const QString &size);
    // Saved and closed, after stop() or a failing pass.
    void ended();

private:
    void displayPass();
    void end();
    // Sends with a 1024-byte reply buffer and reports a failure; returns the code.
    quint32 send(const QByteArray &command);

    SoundCommands &m_sound;
    QTimer m_passes;
    QElapsedTimer m_clock;
    QString m_wavFile;
};
