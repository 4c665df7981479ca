#pragma once

#include <QByteArray>
#include <QList>

#include "SoundCommand.h"

// Turns a command text into a SoundCommand. Blanks separate words (any number of them); a
// double-quoted text is one word. Never fails on any input: a text it cannot read gives an
// error code of SoundErrors.
class SoundCommandParser {
public:
    // 0 and the command, or an error code.
    static quint32 parse(const QByteArray &text, SoundCommand &command);

private:
    explicit SoundCommandParser(QList<QByteArray> words) : m_words(std::move(words)) {}

    quint32 parseOpen(SoundCommand &command);
    quint32 parseSet(SoundCommand &command);
    quint32 parseStatus(SoundCommand &command);
    quint32 parseFromTo(SoundCommand &command);
    quint32 parseSeek(SoundCommand &command);
    quint32 parseSave(SoundCommand &command);
    quint32 parseFlagsOnly(SoundCommand &command);

    bool atEnd() const { return m_at >= m_words.size(); }
    // The next word if it is `word` (any case); consumed then.
    bool take(const char *word);
    // True for "wait" and "notify", which any command may carry.
    bool takeFlag(SoundCommand &command);
    quint32 takeValue(QByteArray &value);
    quint32 takeNumber(std::optional<qint64> &number);
    quint32 takePosition(std::optional<SoundPosition> &position);

    QList<QByteArray> m_words;
    int m_at = 0;
};
