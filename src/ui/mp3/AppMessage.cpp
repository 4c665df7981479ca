#include "AppMessage.h"

#include <QCoreApplication>

#include "MessageBox.h"

void AppMessage::show(const QString &text)
{
    MessageBox::instance().show(text, MessageBox::OkOnly, QCoreApplication::applicationName());
}
