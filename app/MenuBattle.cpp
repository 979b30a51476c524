// The town menu's way to the next match.
#include "app/TownMenu.h"
#include "battle/BattleWindow.h"

using namespace platform;

namespace kobu {

void TownMenu::onBattleClicked() {
    // A match that cannot start (no opponent for the round) throws from the
    // battle's load, before the menu is hidden: the player stays in town.
    Windows::instance().show<BattleWindow>();
    Windows::instance().hide<TownMenu>();
}

} // namespace kobu
