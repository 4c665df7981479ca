#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// What stands in the way of a command's input or output file, in words to follow "<path>: ".
// A pipe, a device or a folder is named as what it is rather than called missing, and an output
// whose folder cannot take it is refused before any work is done, naming that folder.
class FileProblem {
public:
    // Empty when the path is a regular file (or a link to one) whose first byte can be read.
    static QString forReading(const QString &path);
    // Empty when a file can be made in the folder the path names.
    static QString forWriting(const QString &path);
    // Empty when a command may write its output at path: it is none of inputs (the same file under
    // any name), not something other than a regular file, not an existing file unless force, and
    // its folder takes a new file.
    static QString forOutput(const QString &path, const QStringList &inputs, bool force);
    // Prints "tavro-cli <command>: <path>: <problem>" when there is a problem; true when it did.
    static bool report(QTextStream &err, const char *command, const QString &path,
                       const QString &problem);
};
