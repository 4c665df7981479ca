#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTextStream>

#include "CliRegistry.h"

// What a tavro-cli program does with its arguments: --help, --version, then the command word.
// The commands live in two programs so that the file commands start without loading the audio
// libraries; the first hands the words it does not serve to the second, argument bytes unchanged,
// and lists the second's commands with its own.
class CliFrontEnd {
public:
    explicit CliFrontEnd(const CliRegistry &commands);

    // Where the program that serves the other words lies, asked only when one is needed, so that
    // a call of this program's own words does no work for it; without one, they are unknown.
    void setOtherProgram(QByteArray (*locate)()) { m_locateOther = locate; }
    int run(int argc, char *argv[]);

private:
    // "  word usage" lines, this program's and the other's, in word order.
    QStringList commandLines() const;
    int runOther(char *argv[], QTextStream &err) const;

    const CliRegistry &m_commands;
    QByteArray (*m_locateOther)() = nullptr;
};
