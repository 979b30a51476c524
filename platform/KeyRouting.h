#pragma once
// Key presses on their way to the window: its default and cancel buttons, its
// key preview, then the focused control's key handler.

#include <Qt>

class QKeyEvent;
class QObject;

namespace platform {

// The key code the game's handlers expect (8 Backspace, 13 Enter, 27 Esc,
// 33 Page Up, 65..90 letters ...), 0 for keys it has no code for.
int vbKeyCode(int qtKey);
// Called by the application for every key press, once, with the widget that
// received it: the window's preview, default and cancel buttons. True when the
// key was used up.
bool routeKeyPress(QObject* receiver, QKeyEvent* event);
// Shift state bits: 1 Shift, 2 Ctrl, 4 Alt.
int vbShift(Qt::KeyboardModifiers m);

} // namespace platform
