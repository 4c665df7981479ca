#pragma once

#include <QString>

// The MP3 tool windows' plain messages: a message box with only an OK button and the
// application's name as its title, through MessageBox::instance().
class AppMessage {
public:
    static void show(const QString &text);
};
