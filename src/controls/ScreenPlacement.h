#pragma once

class QWidget;

// Where windows appear: tool windows centre themselves on the screen when they load.
class ScreenPlacement {
public:
    // left = (screen width - window width) \ 2, top likewise; nothing without a screen.
    static void centre(QWidget *window);
};
