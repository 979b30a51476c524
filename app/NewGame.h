#pragma once

namespace kobu {

// The File menu's New game: after a begun game and a Yes, every child window
// closes and the state is reset; then name entry opens.
void NewGame();

// Start-up: start values, the program folder, the music paths, the random
// seed, and the main window shown maximized.
void Main();

} // namespace kobu
