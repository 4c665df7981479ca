#pragma once

#include <QList>

#include "FormBuilder.h"

class ChameleonButton;
class ProgressBar;
class QLabel;
class QListWidget;
class QRect;
class QSlider;
class QString;
class QWidget;

// The cutter and merger window's controls with their fixed texts and places, the cutter on the
// left and the merger on the right; CutMergeWindow wires them. Each control's object name is its
// designer name (List1, Label5, Command2, C1, ...; the two Browse buttons of one control array
// are Command15_1 and Command15_0).
class CutMergeWindowControls {
public:
    // Builds the controls on form, which owns them.
    explicit CutMergeWindowControls(QWidget &form);

    // The cutter.
    QListWidget *fileList = nullptr;
    QSlider *positionSlider = nullptr;
    QLabel *fileName = nullptr;
    QLabel *sizeCaption = nullptr;
    QLabel *size = nullptr;
    QLabel *sizeUnit = nullptr;
    QLabel *length = nullptr;
    QLabel *position = nullptr;
    QLabel *beginning = nullptr;
    QLabel *end = nullptr;
    QLabel *newLength = nullptr;
    QLabel *newName = nullptr;
    QLabel *newSizeCaption = nullptr;
    QLabel *newSize = nullptr;
    QLabel *newSizeUnit = nullptr;
    QLabel *newPath = nullptr;
    ChameleonButton *open = nullptr;
    ChameleonButton *play = nullptr;
    ChameleonButton *stop = nullptr;
    ChameleonButton *markBeginning = nullptr;
    ChameleonButton *markEnd = nullptr;
    ChameleonButton *cut = nullptr;
    ChameleonButton *refresh = nullptr;
    ChameleonButton *close = nullptr;

    // The merger.
    QLabel *baseName = nullptr;
    QLabel *attachmentName = nullptr;
    ChameleonButton *browseBase = nullptr;
    ChameleonButton *browseAttachment = nullptr;
    ChameleonButton *merge = nullptr;
    ProgressBar *progress = nullptr;
    QLabel *result = nullptr;

    // Every label of the cutter that shows a file's values: what Refresh empties.
    QList<QLabel *> cutterValues() const;

private:
    void buildCutterFile();
    void buildCutterButtons();
    void buildCutterResults();
    void buildMerger();
    void addHeading(const char *titleName, const QString &title, const char *textName,
                    const QString &text, int left);

    QWidget &m_form;
    FormBuilder m_build{m_form};
};
