#include "RenameChoices.h"

#include <iterator>

namespace {
// Placeholders of each arrangement, in the order of arrangements().
const QStringList kOrders[] = {
    {QStringLiteral("%n"), QStringLiteral("%a"), QStringLiteral("%t")},
    {QStringLiteral("%a"), QStringLiteral("%n"), QStringLiteral("%t")},
    {QStringLiteral("%t"), QStringLiteral("%a"), QStringLiteral("%n")},
    {QStringLiteral("%t"), QStringLiteral("%n"), QStringLiteral("%a")},
    {QStringLiteral("%n"), QStringLiteral("%a")},
    {QStringLiteral("%a"), QStringLiteral("%n")},
};
const QString kSeparators[] = {QStringLiteral("-"), QStringLiteral(" "), QStringLiteral("_")};
} // namespace

const QStringList &RenameChoices::arrangements()
{
    static const QStringList texts = {
        QStringLiteral("Title, Artist, Album"), QStringLiteral("Artist, Title, Album"),
        QStringLiteral("Album, Artist, Title"), QStringLiteral("Album, Title, Artist"),
        QStringLiteral("Title, Artist"),        QStringLiteral("Artist, Title"),
    };
    return texts;
}

const QStringList &RenameChoices::separators()
{
    static const QStringList texts = {QStringLiteral("Dash { - }"), QStringLiteral("Space {  }"),
                                      QStringLiteral("Underscore { _ }")};
    return texts;
}

QString RenameChoices::pattern(int arrangement, int separator)
{
    if (arrangement < 0 || arrangement >= int(std::size(kOrders)) || separator < 0 ||
        separator >= int(std::size(kSeparators)))
        return QString();
    return kOrders[arrangement].join(kSeparators[separator]);
}
