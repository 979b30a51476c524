#pragma once

class QMenu;
class QMenuBar;

namespace kobu {

// Adds the Help menu, last on the menu bar: "ヘルプ (&Help)", named for both
// readers as the language menu is, with How to play (F1) and About in the
// game's language.
QMenu* addHelpMenu(QMenuBar* bar);

// The About box: name, version, licence, and where everything came from.
void showAbout();

} // namespace kobu
