#pragma once
// Key presses on their way to the window: its default and cancel buttons, its
// key preview, then the focused control's key handler.

#include <Qt>

class QKeyEvent;
class QObject;

namespace platform {

// Called by the application for every key press, once, with the widget that
// received it: the window's preview, default and cancel buttons. True when the
// key was used up.
bool routeKeyPress(QObject* receiver, QKeyEvent* event);

} // namespace platform
