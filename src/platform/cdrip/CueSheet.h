#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "SheetTracks.h"

// A CUE sheet checked before an image library sees it (the rules are SheetTracks'): one FILE of
// raw BINARY sectors, TRACK lines with AUDIO, MODE1/2352 or MODE2/2352, INDEX, FLAGS and PREGAP.
// Titles, performers and other remarks are left out; anything else is refused.
class CueSheet {
public:
    // False, with nothing kept but the reason, when the sheet breaks a rule or its file is not
    // there.
    bool read(const QString &cuePath);

    const SheetTracks &tracks() const { return m_tracks; }
    // Why the last read failed; names the line at fault.
    const QString &problem() const { return m_problem; }

private:
    bool parseLine(const QList<QByteArray> &words, const QString &folder);

    SheetTracks m_tracks;
    QString m_problem;
};
