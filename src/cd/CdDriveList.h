#pragma once

#include <exception>
#include <memory>
#include <optional>

#include <QStringList>

#include "CdDrives.h"
#include "DiscToc.h"

// The ripping library's drives as the CD windows list them: their names, and the table of the
// disc in the one chosen, or the row that says why there is none.
class CdDriveList {
public:
    struct Listing {
        std::optional<DiscToc> toc;
        QString row;   // "No CD Selected" or "No CD In Drive" when there is no table
        QString error; // the text of a failure of the library
    };

    // Over the machine's ripping library, or the one handed in.
    explicit CdDriveList(std::shared_ptr<CdRipLibrary> library = {});

    // Starts the library with the user's settings file; the drives' names, and a failure's text
    // in error.
    QStringList load(QString &error);
    // The drive at index (from 0; -1 when none is chosen) when it holds a disc; otherwise nothing,
    // with the row that says why. Raises the library's errors.
    std::optional<CdDrive> readyDrive(qint32 index, QString &why);
    Listing list(qint32 index);

    static QString errorText(const std::exception &error);
    static QString noCdSelected() { return QStringLiteral("No CD Selected"); }

private:
    CdDrives m_drives;
};
