#pragma once

#include <QList>

#include "FormBuilder.h"

class ChameleonButton;
class DiscTrackList;
class QColor;
class QComboBox;
class QLabel;
class QLineEdit;
class QRect;
class QString;
class QWidget;

// The audio CD player's controls with their fixed texts and places; CdPlayerWindow wires them to
// its player. Each control's object name is its designer name (cboDrives, chameleonButton7,
// Label16, ...).
class CdPlayerWindowControls {
public:
    // Builds the controls on form, which owns them.
    explicit CdPlayerWindowControls(QWidget &form);

    QComboBox *drives = nullptr;
    ChameleonButton *relist = nullptr; // re-reads the track list
    DiscTrackList *tracks = nullptr;
    QLineEdit *cddbQuery = nullptr;

    ChameleonButton *refresh = nullptr; // opens the CD device
    ChameleonButton *play = nullptr;
    ChameleonButton *pause = nullptr;
    ChameleonButton *stop = nullptr;
    ChameleonButton *next = nullptr;
    ChameleonButton *previous = nullptr;
    ChameleonButton *rewind = nullptr;
    ChameleonButton *forward = nullptr;
    ChameleonButton *tray = nullptr;
    ChameleonButton *close = nullptr;

    QLabel *fileName = nullptr;
    QLabel *status = nullptr;
    QLabel *position = nullptr;
    QLabel *length = nullptr;
    QLabel *totalPlay = nullptr;
    QLabel *fileSize = nullptr;
    QLabel *totalFiles = nullptr;
    QLabel *currentFile = nullptr;

    // Pause, Next, Previous, Rewind and Forward: on while a track plays, off after Stop.
    QList<QWidget *> whilePlaying() const;

private:
    void buildDisc();
    void buildDisplay();
    void buildButtons();

    QWidget &m_form;
    FormBuilder m_build{m_form};
};
