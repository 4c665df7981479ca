#pragma once

#include <QString>

// The open/save file dialog, behind one indirection so tests can choose the file.
// Filters use the "Description (*.ext)|*.ext|..." form; an empty result means cancelled.
class FileDialog {
public:
    virtual ~FileDialog() = default;

    virtual QString showOpen(const QString &filter, const QString &fileName) = 0;
    virtual QString showSave(const QString &filter, const QString &fileName) = 0;

    // The process-wide dialog; one that always cancels until a program or test installs another.
    static FileDialog &instance();
    // Does not take ownership; nullptr restores the cancelling dialog.
    static void setInstance(FileDialog *dialog);
};
