#include "ScriptedMessageBox.h"

ScriptedMessageBox::ScriptedMessageBox() { MessageBox::setInstance(this); }

ScriptedMessageBox::~ScriptedMessageBox() { MessageBox::setInstance(nullptr); }

MessageBox::Answer ScriptedMessageBox::show(const QString &prompt, Buttons buttons,
                                            const QString &title)
{
    shown.append({prompt, buttons, title});
    return answers.isEmpty() ? defaultAnswer(buttons) : answers.takeFirst();
}
