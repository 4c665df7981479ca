#pragma once

class ButtonCanvas;
class ButtonColors;
struct ButtonState;

// The look of type 3, the one every window uses: a shaded face inside a dark blue outline, with
// a blue edge while focused, an orange one while hovered and the shading mirrored while pressed.
class ButtonGlossLook {
public:
    static void draw(ButtonCanvas &canvas, const ButtonColors &colors, const ButtonState &state);
};
