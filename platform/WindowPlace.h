#pragma once
// The main window opens where the player left it: its size, place and
// maximised state, remembered for the user (PlayerSettings.h).

#include <optional>

class QWidget;

namespace platform {

// Gives `window` its remembered geometry, moved onto a screen there is now
// where its old one has gone. Returns whether it was maximised, to show it
// so; none when nothing is remembered (the window keeps its own geometry).
std::optional<bool> restoreWindowPlace(QWidget* window);

// From now on remembers where `window` is, a moment after each move, resize
// or maximising, so that however the game ends (it ends at once, asking no
// window) the last place is kept.
void keepWindowPlace(QWidget* window);

} // namespace platform
