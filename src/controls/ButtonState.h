#pragma once

// What a look needs to know about the button at the moment it is drawn.
struct ButtonState {
    bool pressed = false; // also a check-box button whose Value is on
    bool hovered = false;
    bool enabled = true;
    bool focusMark = false;   // ShowFocusRect on and the button focused or marked default
    bool defaultMark = false; // the container marks it as its default button
    bool showFocusRect = true;
};
