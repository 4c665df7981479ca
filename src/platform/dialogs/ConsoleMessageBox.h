#pragma once

#include "MessageBox.h"

// Without windows a message goes to standard error as "title: prompt" (both trimmed) and is
// answered with the first button, so scripted runs never wait for input.
class ConsoleMessageBox : public MessageBox {
public:
    Answer show(const QString &prompt, Buttons buttons, const QString &title) override;
};
