#pragma once

#include <QString>
#include <QWidget>

#include "RecorderWindowControls.h"
#include "VoiceRecorder.h"

class SoundCommands;

// "TAVRO Voice Recorder": records from the default input through the command-string sound
// service into a temporary WAV file, showing the time and the growing size, and encodes it into
// the MP3 file chosen with Save as through VoiceRecorder. The buttons carry the flow: Save as
// enables Record; Record enables Stop; Stop enables Encode MP3; the encoding's end enables Close.
// Save as and Encode MP3 refuse while a recording or an encoding runs. A failing sound command
// shows its text in a box titled "Error" and the flow goes on. Its Close button is the only way
// out (the frame's close box is off).
class RecorderWindow : public QWidget {
    Q_OBJECT
public:
    // sound is the process's service; it outlives the window.
    explicit RecorderWindow(SoundCommands &sound, QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectRecorder();
    bool busy() const { return m_recorder.isRecording() || m_recorder.isEncoding(); }
    void saveAsClicked();
    void recordClicked();
    void stopClicked();
    void encodeClicked();
    void showEncodingResult(const QString &error);

    RecorderWindowControls m_ui;
    VoiceRecorder m_recorder;
    QString m_output;
    // An existing file "Save as" returned: the dialog had the user agree to replace it.
    QString m_agreedToReplace;
};
