#include "ButtonProperties.h"

#include <QFont>

#include "ChameleonButton.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QVariant find(const QVariantMap &bag, QLatin1StringView key)
{
    for (auto it = bag.begin(); it != bag.end(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}

template <typename T> T read(const QVariantMap &bag, QLatin1StringView key, const T &fallback)
{
    const QVariant value = find(bag, key);
    if (value.metaType() != QMetaType::fromType<T>())
        return fallback;
    return value.value<T>();
}

int readInt(const QVariantMap &bag, QLatin1StringView key, int fallback, int low, int high)
{
    const int value = read<int>(bag, key, fallback);
    return value < low || value > high ? fallback : value;
}

QColor readColor(const QVariantMap &bag, QLatin1StringView key, const QColor &fallback)
{
    const QColor color = read<QColor>(bag, key, fallback);
    return color.isValid() ? color : fallback;
}

} // namespace

QVariantMap ButtonProperties::save(const ChameleonButton &button)
{
    const ButtonSettings &s = button.settings();
    return {{u"BTYPE"_s, s.type},
            {u"TX"_s, button.Caption()},
            {u"ENAB"_s, button.isEnabled()},
            {u"FONT"_s, button.font()},
            {u"COLTYPE"_s, s.colorScheme},
            {u"FOCUSR"_s, s.showFocusRect},
            {u"BCOL"_s, s.backColor},
            {u"BCOLO"_s, s.backOver},
            {u"FCOL"_s, s.foreColor},
            {u"FCOLO"_s, s.foreOver},
            {u"MCOL"_s, s.maskColor},
            {u"MPTR"_s, s.mousePointer},
            {u"MICON"_s, s.mouseIcon},
            {u"HAND"_s, s.handPointer},
            {u"SOFT"_s, s.softBevel},
            {u"PICN"_s, s.pictureNormal},
            {u"PICH"_s, s.pictureOver},
            {u"PICPOS"_s, s.picturePosition},
            {u"UMCOL"_s, s.useMaskColor},
            {u"NGREY"_s, s.useGreyscale},
            {u"FX"_s, s.specialEffect},
            {u"CHECK"_s, s.checkBoxBehaviour},
            {u"VALUE"_s, button.Value()}};
}

void ButtonProperties::load(ChameleonButton &button, const QVariantMap &bag)
{
    const QPalette &palette = button.palette();
    ButtonSettings s;
    s.type = readInt(bag, "BTYPE"_L1, 2, 1, 14);
    s.colorScheme = readInt(bag, "COLTYPE"_L1, 1, 1, 4);
    s.showFocusRect = read(bag, "FOCUSR"_L1, true);
    s.backColor = readColor(bag, "BCOL"_L1, palette.color(QPalette::Button));
    s.backOver = readColor(bag, "BCOLO"_L1, s.backColor);
    s.foreColor = readColor(bag, "FCOL"_L1, palette.color(QPalette::ButtonText));
    s.foreOver = readColor(bag, "FCOLO"_L1, s.foreColor);
    s.maskColor = readColor(bag, "MCOL"_L1, QColor(192, 192, 192));
    s.mousePointer = read(bag, "MPTR"_L1, 0);
    s.mouseIcon = read(bag, "MICON"_L1, QPixmap());
    s.handPointer = read(bag, "HAND"_L1, false);
    s.softBevel = read(bag, "SOFT"_L1, false);
    s.pictureNormal = read(bag, "PICN"_L1, QPixmap());
    s.pictureOver = read(bag, "PICH"_L1, QPixmap());
    s.picturePosition = readInt(bag, "PICPOS"_L1, 0, 0, 4);
    s.useMaskColor = read(bag, "UMCOL"_L1, true);
    s.useGreyscale = read(bag, "NGREY"_L1, false);
    s.specialEffect = readInt(bag, "FX"_L1, 0, 0, 3);
    s.checkBoxBehaviour = read(bag, "CHECK"_L1, false);
    button.setCaption(read(bag, "TX"_L1, QString()));
    button.setEnabled(read(bag, "ENAB"_L1, true));
    button.setFont(read(bag, "FONT"_L1, button.font()));
    button.setValue(read(bag, "VALUE"_L1, false));
    button.setSettings(s);
}
