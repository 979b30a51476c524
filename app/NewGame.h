#pragma once

namespace kobu {

// The File menu's New game: after a begun game and a Yes, every child window
// closes and the state is reset; then name entry opens.
void newGame();

// Start-up: start values, the program folder, the music paths, the random
// seed, and the main window shown maximized.
void startUp();

} // namespace kobu
