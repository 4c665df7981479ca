#pragma once

#include <QList>

#include "MessageBox.h"

// Installs itself while alive: records every message and answers from a queue (then the first
// button). Tests read `shown` to check prompts and titles.
class ScriptedMessageBox : public MessageBox {
public:
    struct Shown {
        QString prompt;
        Buttons buttons;
        QString title;
    };

    ScriptedMessageBox();
    ~ScriptedMessageBox() override;

    Answer show(const QString &prompt, Buttons buttons, const QString &title) override;

    QList<Answer> answers;
    QList<Shown> shown;
};
