// The town menu's ways to the shop and to the item window.
#include "app/Menu.h"

namespace kobu {

void Menu::Command1_Click() {}
void Menu::Command2_Click() {}

} // namespace kobu
