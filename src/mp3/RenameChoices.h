#pragma once

#include <QString>
#include <QStringList>

// The renamer's choices and the rename pattern they make (placeholders of RenamePattern):
//   arrangements  "Title, Artist, Album" %n %a %t    "Artist, Title, Album" %a %n %t
//                 "Album, Artist, Title" %t %a %n    "Album, Title, Artist" %t %n %a
//                 "Title, Artist"        %n %a       "Artist, Title"        %a %n
//   separators    "Dash { - }" "-"   "Space {  }" " "   "Underscore { _ }" "_"
// between the placeholders, so "Title, Artist" with a dash makes "%n-%a" (Song-Band.mp3).
// "Attach Time(00:00)" is not part of the pattern: it goes to the rename as attachTime.
class RenameChoices {
public:
    static const QStringList &arrangements();
    static const QStringList &separators();
    // Empty unless both indexes name a choice: no pattern, no rename.
    static QString pattern(int arrangement, int separator);
};
