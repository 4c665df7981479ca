#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "SheetTracks.h"

// A TOC sheet (cdrdao's format) checked as strictly as a CUE sheet before an image library sees
// it, and handed on as the same checked tracks: CD_DA, then AUDIO tracks, each with one FILE (or
// AUDIOFILE) "name" start [length] inside one BIN of raw sectors, every track starting where the
// one before it ends; START, INDEX and PREGAP times; COPY, PRE_EMPHASIS, FOUR_CHANNEL_AUDIO flags.
// CATALOG, ISRC and CD_TEXT blocks are left out; anything else is refused.
class TocSheet {
public:
    // False, with nothing kept but the reason, when the sheet breaks a rule or its BIN is not
    // there.
    bool read(const QString &tocPath);

    const SheetTracks &tracks() const { return m_tracks; }
    // Why the last read failed; names the line at fault.
    const QString &problem() const { return m_problem; }

private:
    struct Token {
        QByteArray text;
        bool quoted = false;
        int line = 0;
    };
    // The track being read: where its audio lies in the BIN, in sectors.
    struct Pending {
        bool hasFile = false;
        qint64 start = 0;
        qint64 length = 0;
        qint64 offset = 0; // START: where index 01 lies after the track's start
        QList<qint64> indexes;
        QByteArray flags;
    };

    bool parse(const QList<Token> &tokens, const QString &folder);
    bool statement(const QList<Token> &tokens, qsizetype &at, const QString &folder);
    bool file(const QList<Token> &tokens, qsizetype &at, const QString &folder);
    bool endTrack();
    bool fail(const QString &reason);

    SheetTracks m_tracks;
    Pending m_track;
    qint64 m_end = 0; // sector after the last track's audio
    QString m_problem;
};
