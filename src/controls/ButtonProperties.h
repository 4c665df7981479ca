#pragma once

#include <QVariantMap>

class ChameleonButton;

// A button's settings in the window's saved design data, under their short keys ("BTYPE",
// "TX", ...). Keys are found whatever their case; a key that is missing or holds a value of the
// wrong kind gives the property's default.
class ButtonProperties {
public:
    static QVariantMap save(const ChameleonButton &button);
    static void load(ChameleonButton &button, const QVariantMap &bag);
};
