// The town menu's ways out, each to the window it leads to.
#include "app/Menu.h"

namespace kobu {

void Menu::Command1_Click() {}
void Menu::Command2_Click() {}
void Menu::Command3_Click() {}
void Menu::Command4_Click() {}
void Menu::Command5_Click() {}
void Menu::Form_KeyDown(int& keyCode, int) { (void)keyCode; }

} // namespace kobu
