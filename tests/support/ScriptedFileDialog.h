#pragma once

#include <QStringList>

#include "FileDialog.h"

// Installs itself while alive: answers open and save dialogs from queues ("" = cancelled) and
// records the filters it was shown.
class ScriptedFileDialog : public FileDialog {
public:
    ScriptedFileDialog();
    ~ScriptedFileDialog() override;

    QString showOpen(const QString &filter, const QString &fileName) override;
    QString showSave(const QString &filter, const QString &fileName) override;

    QStringList openAnswers;
    QStringList saveAnswers;
    QStringList filters;
};
