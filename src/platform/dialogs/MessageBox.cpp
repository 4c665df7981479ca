#include "MessageBox.h"

#include "ConsoleMessageBox.h"

namespace {
MessageBox *installed = nullptr;
}

MessageBox &MessageBox::instance()
{
    static ConsoleMessageBox console;
    return installed ? *installed : console;
}

void MessageBox::setInstance(MessageBox *box) { installed = box; }

MessageBox::Answer MessageBox::defaultAnswer(Buttons buttons)
{
    switch (buttons) {
    case AbortRetryIgnore: return Abort;
    case YesNoCancel:
    case YesNo: return Yes;
    case RetryCancel: return Retry;
    case OkOnly:
    case OkCancel: break;
    }
    return Ok;
}
