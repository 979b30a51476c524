// The town menu's ways to the shop and to the item window.
#include "app/TownMenu.h"

#include "shop/ItemsWindow.h"
#include "shop/ShopWindow.h"

using namespace platform;

namespace kobu {

void TownMenu::onShopClicked() {
    Windows& forms = Windows::instance();
    forms.hideWindow(this);
    forms.show<ShopWindow>();
}

void TownMenu::onItemsClicked() {
    Windows& forms = Windows::instance();
    forms.show<ItemsWindow>();
    forms.hideWindow(this);
}

} // namespace kobu
