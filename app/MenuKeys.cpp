// The town menu's hidden key: Page Up opens the secret code window.
#include "app/Form3.h"
#include "app/Menu.h"

namespace kobu {

void Menu::Form_KeyDown(int& keyCode, int) {
    if (keyCode == 33)
        platform::Forms::instance().show<Form3>();
}

} // namespace kobu
