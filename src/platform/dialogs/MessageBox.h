#pragma once

#include <QString>

// Every modal message box of the program goes through this one indirection, so that tests
// and the command line can answer it. The values follow the classic message-box codes.
class MessageBox {
public:
    enum Buttons {
        OkOnly = 0,
        OkCancel = 1,
        AbortRetryIgnore = 2,
        YesNoCancel = 3,
        YesNo = 4,
        RetryCancel = 5
    };
    enum Answer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

    virtual ~MessageBox() = default;

    // Shows the prompt and blocks until it is answered.
    virtual Answer show(const QString &prompt, Buttons buttons, const QString &title) = 0;

    // The process-wide box; the console one until a program or test installs another.
    static MessageBox &instance();
    // Does not take ownership; nullptr restores the console box.
    static void setInstance(MessageBox *box);

    static Answer defaultAnswer(Buttons buttons);
};
