#pragma once

#include "ScrollingText.h"

// The strip in which the selected file's path scrolls from right to left, 40 twips a step.
class PathStrip : public ScrollingText {
    Q_OBJECT
public:
    using ScrollingText::ScrollingText;

    // One step: the drawing position is kept for the window's lifetime, starting at 0.
    void step();

private:
    int m_twips = 0;
};
