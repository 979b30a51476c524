// The town menu's hidden key.
#include "app/Menu.h"

namespace kobu {

void Menu::Form_KeyDown(int& keyCode, int) { (void)keyCode; }

} // namespace kobu
