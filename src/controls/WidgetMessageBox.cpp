#include "WidgetMessageBox.h"

#include <utility>
#include <vector>

#include <QApplication>
#include <QMessageBox>

namespace {
using Pair = std::pair<QMessageBox::StandardButton, MessageBox::Answer>;

std::vector<Pair> buttonsFor(MessageBox::Buttons buttons)
{
    switch (buttons) {
    case MessageBox::OkCancel:
        return {{QMessageBox::Ok, MessageBox::Ok}, {QMessageBox::Cancel, MessageBox::Cancel}};
    case MessageBox::AbortRetryIgnore:
        return {{QMessageBox::Abort, MessageBox::Abort},
                {QMessageBox::Retry, MessageBox::Retry},
                {QMessageBox::Ignore, MessageBox::Ignore}};
    case MessageBox::YesNoCancel:
        return {{QMessageBox::Yes, MessageBox::Yes},
                {QMessageBox::No, MessageBox::No},
                {QMessageBox::Cancel, MessageBox::Cancel}};
    case MessageBox::YesNo:
        return {{QMessageBox::Yes, MessageBox::Yes}, {QMessageBox::No, MessageBox::No}};
    case MessageBox::RetryCancel:
        return {{QMessageBox::Retry, MessageBox::Retry}, {QMessageBox::Cancel, MessageBox::Cancel}};
    case MessageBox::OkOnly: break;
    }
    return {{QMessageBox::Ok, MessageBox::Ok}};
}
} // namespace

MessageBox::Answer WidgetMessageBox::show(const QString &prompt, Buttons buttons,
                                          const QString &title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setText(prompt);
    const auto pairs = buttonsFor(buttons);
    QMessageBox::StandardButtons standard;
    for (const auto &[button, answer] : pairs)
        standard |= button;
    box.setStandardButtons(standard);
    const int chosen = box.exec();
    for (const auto &[button, answer] : pairs)
        if (chosen == button)
            return answer;
    return pairs.size() > 1 ? pairs.back().second : Ok;
}
