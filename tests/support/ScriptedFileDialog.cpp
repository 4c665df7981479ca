#include "ScriptedFileDialog.h"

ScriptedFileDialog::ScriptedFileDialog() { FileDialog::setInstance(this); }

ScriptedFileDialog::~ScriptedFileDialog() { FileDialog::setInstance(nullptr); }

QString ScriptedFileDialog::showOpen(const QString &filter, const QString &)
{
    filters << filter;
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString ScriptedFileDialog::showSave(const QString &filter, const QString &)
{
    filters << filter;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}
