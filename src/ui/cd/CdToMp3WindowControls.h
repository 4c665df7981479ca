#pragma once

#include <QList>

#include "FormBuilder.h"

class ChameleonButton;
class DiscTrackList;
class ProgressBar;
class QComboBox;
class QLabel;
class QLineEdit;
class QRect;
class QString;
class QWidget;

// The encoder window's controls with their fixed texts and places; CdToMp3Window wires them to
// its run. Each control's object name is its designer name (cboDrives, lvwTracks, PB1, ...).
class CdToMp3WindowControls {
public:
    // Builds the controls on form, which owns them.
    explicit CdToMp3WindowControls(QWidget &form);

    QComboBox *drives = nullptr;
    DiscTrackList *tracks = nullptr;
    QLineEdit *cddbQuery = nullptr;
    QLineEdit *outputFile = nullptr;
    QComboBox *presets = nullptr;
    ChameleonButton *saveAs = nullptr;
    ChameleonButton *encode = nullptr;
    ChameleonButton *refresh = nullptr;
    ChameleonButton *cancel = nullptr;
    ChameleonButton *close = nullptr;
    ProgressBar *ripBar = nullptr;
    ProgressBar *encodeBar = nullptr;
    QLabel *status = nullptr;
    QLabel *startTime = nullptr;
    QLabel *endTime = nullptr;
    QLabel *elapsed = nullptr;
    QLabel *wavDeleted = nullptr;
    QLabel *completed = nullptr;
    QLabel *standard = nullptr;
    QLabel *elapsedCaption = nullptr;
    QLabel *newSize = nullptr;
    QLabel *encodePercent = nullptr;

    // Everything the window shows only after (or during) a run.
    QList<QWidget *> runOnly() const;

private:
    void buildHeading();
    void buildDisc();
    void buildOutput();
    void buildProgress();
    void buildResults();

    QWidget &m_form;
    FormBuilder m_build{m_form};
};
