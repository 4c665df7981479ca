#pragma once

#include <QList>

class ChameleonButton;
class ProgressBar;
class QComboBox;
class QLabel;
class QLineEdit;
class QRect;
class QString;
class QTreeWidget;
class QWidget;

// The encoder window's controls with their fixed texts and places; CdToMp3Window wires them to the
// rip job. Object names are the controls' designer names (cboDrives, lvwTracks, PB1, ...);
// the labels shown after a run are lblDeleted, lblCompleted, lblStandard, lblTotalElapsed,
// lblNewSize, and lblProgress shows the encoding progress.
class CdToMp3WindowControls {
public:
    // Builds the controls on form, which owns them.
    explicit CdToMp3WindowControls(QWidget &form);

    // lvwTracks columns.
    enum Column { Name, Track, StartAt, Length, Size };

    QComboBox *cboDrives = nullptr;
    QTreeWidget *lvwTracks = nullptr;
    QLineEdit *txtCDDBQuery = nullptr;
    QLineEdit *txtOutputMp3File = nullptr;
    QComboBox *cboOption = nullptr;
    ChameleonButton *cmdPickMp3File = nullptr;
    ChameleonButton *cmdRip = nullptr;
    ChameleonButton *cmdRefresh = nullptr;
    ChameleonButton *cmdCancel = nullptr;
    ChameleonButton *cmdClose = nullptr;
    ProgressBar *PB1 = nullptr;
    ProgressBar *PB2 = nullptr;
    QLabel *lblInfo = nullptr;
    QLabel *lblstart = nullptr;
    QLabel *lblend = nullptr;
    QLabel *lblelapsed = nullptr;
    QLabel *lblDeleted = nullptr;
    QLabel *lblCompleted = nullptr;
    QLabel *lblStandard = nullptr;
    QLabel *lblTotalElapsed = nullptr;
    QLabel *lblNewSize = nullptr;
    QLabel *lblProgress = nullptr;

    // Everything the window shows only after (or during) a run.
    QList<QWidget *> runOnly() const;

private:
    void buildHeading();
    void buildDisc();
    void buildOutput();
    void buildProgress();
    void buildResults();
    QLabel *addLabel(const char *name, const QString &caption, const QRect &geometry);
    ChameleonButton *addButton(const char *name, const QString &caption, const QString &tooltip,
                               const QRect &geometry);

    QWidget &m_form;
};
