#pragma once

class ButtonCanvas;
class ButtonColors;
struct ButtonState;

// The looks of every type but 3: bevels, flat and hover-only frames, the oval and the shaded
// face. Type 11 draws nothing here: the container shows through.
class ButtonFrameLook {
public:
    static void draw(int type, ButtonCanvas &canvas, const ButtonColors &colors,
                     const ButtonState &state);
};
