#pragma once

class QMenu;
class QMenuBar;

namespace platform {

// Adds the settings menu to a window's menu bar, named for both readers as
// the language menu is: "設定 (Settings)". The music on or off and its volume
// take effect at once; the game's size from the next start, as the menu says.
// Every choice is remembered for the user.
QMenu* addSettingsMenu(QMenuBar* bar);

} // namespace platform
