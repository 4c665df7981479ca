#pragma once

#include <QString>
#include <QStringList>

// The genre table of ID3v1 tags (numbers 0-147, spelled as the program has always shown them)
// and the texts that fill the tags editor's year and genre choices.
class TagLists {
public:
    static const QStringList &genreNames();
    // The 148 names joined by "|".
    static QString GenreList();
    // "1950|1951|...|2010|": split at "|" it gives the 61 years and one empty entry.
    static QString YearList();
};
