// The town menu's way to the next match.
#include "app/Menu.h"

namespace kobu {

void Menu::Command3_Click() {}

} // namespace kobu
