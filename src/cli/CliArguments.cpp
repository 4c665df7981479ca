#include "CliArguments.h"

namespace {
const QString kEndOfOptions = QStringLiteral("--");

bool isOption(const QString &word) { return word.startsWith(kEndOfOptions); }
bool isHelp(const QString &word) { return word == QLatin1String("--help") || word == u"-h"; }
} // namespace

CliArguments::CliArguments(const QStringList &args, const QStringList &valueOptions) : m_rest(args)
{
    for (qsizetype i = 0; i < args.size() && args[i] != kEndOfOptions; ++i) {
        if (isHelp(args[i]))
            m_helpAsked = true;
        else if (valueOptions.contains(args[i]))
            ++i;
    }
}

QString CliArguments::takeSwitches(const QStringList &flags, QStringList &given,
                                   QStringList &operands)
{
    while (!atEnd()) {
        const bool option = atOption();
        const QString word = take();
        if (!option)
            operands << word;
        else if (flags.contains(word))
            given << word;
        else
            return word;
    }
    return {};
}

void CliArguments::skipEndOfOptions()
{
    if (!m_optionsEnded && !m_rest.isEmpty() && m_rest.first() == kEndOfOptions) {
        m_rest.removeFirst();
        m_optionsEnded = true;
    }
}

bool CliArguments::atEnd()
{
    skipEndOfOptions();
    return m_rest.isEmpty();
}

bool CliArguments::atOption()
{
    skipEndOfOptions();
    return !m_optionsEnded && !m_rest.isEmpty() && isOption(m_rest.first());
}
