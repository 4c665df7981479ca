#pragma once

class QWidget;

// The close-box switch of the tool windows. A disabled window keeps only its own Close button
// as the way out: the frame's close box is removed (window managers grey or hide it) and close
// requests from the window frame are ignored; close() from the program still closes it.
namespace CloseBoxSwitch {

// false disables, true restores the frame's close box and its requests. A null window, or a
// window already in the requested state, is left as it is.
void EnableCloseButton(QWidget *window, bool enable);

} // namespace CloseBoxSwitch
