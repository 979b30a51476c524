// The town menu's ways to the shop and to the item window.
#include "app/Menu.h"

#include "shop/FItem.h"
#include "shop/Store.h"

using namespace platform;

namespace kobu {

void Menu::Command1_Click() {
    Forms& forms = Forms::instance();
    forms.hideForm(this);
    forms.show<Store>();
}

void Menu::Command2_Click() {
    Forms& forms = Forms::instance();
    forms.show<FItem>();
    forms.hideForm(this);
}

} // namespace kobu
