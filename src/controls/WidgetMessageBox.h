#pragma once

#include "MessageBox.h"

// The real message box: a modal QMessageBox over the active window.
class WidgetMessageBox : public MessageBox {
public:
    Answer show(const QString &prompt, Buttons buttons, const QString &title) override;
};
