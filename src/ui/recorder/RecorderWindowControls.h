#pragma once

#include <array>

#include "FormBuilder.h"

class ChameleonButton;
class ProgressBar;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QRect;
class QString;
class QWidget;

// The voice recorder's controls with their fixed texts and places; RecorderWindow wires them to
// its recorder. Each control's object name is its designer name (cmdRecord, lblTime, optFreq_0,
// Label2_0, PB1, ...).
class RecorderWindowControls {
public:
    // Builds the controls on form, which owns them.
    explicit RecorderWindowControls(QWidget &form);

    QLineEdit *outputFile = nullptr;
    QLineEdit *temporaryFile = nullptr; // hidden
    ChameleonButton *saveAs = nullptr;
    std::array<QRadioButton *, 2> rates{};
    QComboBox *presets = nullptr;
    QLabel *time = nullptr;
    QLabel *size = nullptr;
    ChameleonButton *record = nullptr;
    ChameleonButton *stop = nullptr;
    ChameleonButton *encode = nullptr;
    ChameleonButton *close = nullptr;
    ProgressBar *progress = nullptr;
    std::array<QLabel *, 4> status{};

private:
    void buildHeading();
    void buildChoices();
    void buildRecording();
    void buildStatus();

    QWidget &m_form;
    FormBuilder m_build{m_form};
};
