#pragma once

#include <QWidget>

// "About TAVRO MP3 PLAYER": what the program offers and who makes it, in fixed paragraphs.
// It only shows them; its Close button is the only way out (the frame's close box is off).
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
};
