// The town menu's way to the next match.
#include "app/Menu.h"
#include "battle/FBattle.h"

using namespace platform;

namespace kobu {

void Menu::Command3_Click() {
    // A match that cannot start (no opponent for the round) throws from the
    // battle's load, before the menu is hidden: the player stays in town.
    Forms::instance().show<FBattle>();
    Forms::instance().hide<Menu>();
}

} // namespace kobu
