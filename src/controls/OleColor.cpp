#include "OleColor.h"

#include <utility>

namespace {
// System colour numbers and the palette roles that play their part on Linux desktops.
constexpr std::pair<quint32, QPalette::ColorRole> kSystemRoles[] = {
    {4, QPalette::Window},       {5, QPalette::Base},         {7, QPalette::WindowText},
    {8, QPalette::Text},         {13, QPalette::Highlight},   {14, QPalette::HighlightedText},
    {15, QPalette::Button},      {16, QPalette::Dark},        {18, QPalette::ButtonText},
    {20, QPalette::Light},       {21, QPalette::Shadow},      {22, QPalette::Midlight},
    {23, QPalette::ToolTipText}, {24, QPalette::ToolTipBase},
};
} // namespace

QColor OleColor::toColor(quint32 value, const QPalette &palette)
{
    if (value & kSystem) {
        for (const auto &[number, role] : kSystemRoles)
            if (number == (value & 0xFFu))
                return palette.color(role);
        return palette.color(QPalette::Window);
    }
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}
