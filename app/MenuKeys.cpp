// The town menu's hidden key: Page Up opens the secret code window.
#include "app/SecretCodeWindow.h"
#include "app/TownMenu.h"

namespace kobu {

void TownMenu::onKeyPreview(int& keyCode, int) {
    if (keyCode == 33)
        platform::Windows::instance().show<SecretCodeWindow>();
}

} // namespace kobu
