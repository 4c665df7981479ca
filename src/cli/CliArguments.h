#pragma once

#include <QString>
#include <QStringList>

// A command's arguments, walked the way every tavro-cli command walks them: a word starting
// with "--" is an option until a lone "--" ends the options, so that any name can follow it; an
// option's value is the next word as it is, even one that looks like an option; "--help" or
// "-h" where an option may stand asks for the usage.
class CliArguments {
public:
    // valueOptions: the options that take the next word as their value.
    CliArguments(const QStringList &args, const QStringList &valueOptions);

    bool helpAsked() const { return m_helpAsked; }
    // Both step over the "--" that ends the options.
    bool atEnd();
    bool atOption();
    QString take() { return m_rest.takeFirst(); }
    // For a command whose options are all switches: takes every word, the switches among flags
    // into given and the rest into operands. Returns the first option not among flags, if any.
    QString takeSwitches(const QStringList &flags, QStringList &given, QStringList &operands);
    // What is left, for the option readers that take their value from its front.
    QStringList &rest() { return m_rest; }

private:
    void skipEndOfOptions();

    QStringList m_rest;
    bool m_optionsEnded = false;
    bool m_helpAsked = false;
};
