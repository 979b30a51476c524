// The town menu's save and load.
#include "app/Menu.h"

namespace kobu {

void Menu::Command4_Click() {}
void Menu::Command5_Click() {}

} // namespace kobu
