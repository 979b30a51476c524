#include "app/Navigation.h"

#include "app/SecretCodeWindow.h"
#include "app/TownMenu.h"
#include "battle/BattleWindow.h"
#include "battle/Combat.h"
#include "character/AllocationWindow.h"
#include "character/NameEntryWindow.h"
#include "character/SkillsWindow.h"
#include "character/StatusWindow.h"
#include "media/EndingWindow.h"
#include "media/MusicPlayer.h"
#include "platform/GameWindow.h"
#include "platform/Services.h"
#include "shop/ItemsWindow.h"
#include "shop/PowerUpWindow.h"
#include "shop/RecoveryItemsWindow.h"
#include "shop/ShopWindow.h"
#include "state/GameState.h"

using platform::Windows;

namespace kobu::navigation {
namespace {

Windows& windows() {
    return Windows::instance();
}

void close(platform::GameWindow& w) {
    windows().close(&w);
}

} // namespace

void enterTown(NameEntryWindow& from) {
    windows().show<StatusWindow>();
    // A window left from the last game must not show its old values.
    refreshStatus();
    windows().show<TownMenu>();
    windows().show<MusicPlayer>();
    windows().hide<MusicPlayer>();
    windows().get<MusicPlayer>().play(Track::Town);
    close(from);
}

void toShop() {
    windows().hide<TownMenu>();
    windows().show<ShopWindow>();
}

void toItems() {
    windows().show<ItemsWindow>();
    windows().hide<TownMenu>();
}

void toMatch() {
    windows().show<BattleWindow>();
    windows().hide<TownMenu>();
}

void toSecretCode() {
    windows().show<SecretCodeWindow>();
}

void backToTown(platform::GameWindow& from) {
    close(from);
    showTown();
}

void backToTownHiding(ItemsWindow& from) {
    showTown();
    windows().hideWindow(&from);
}

void showTown() {
    windows().show<TownMenu>();
}

void toRecoveryItems() {
    windows().hide<ShopWindow>();
    windows().show<RecoveryItemsWindow>();
}

void toPowerUps() {
    windows().hide<ShopWindow>();
    windows().show<PowerUpWindow>();
}

void backToShop(platform::GameWindow& from) {
    close(from);
    showShop();
}

void showShop() {
    windows().show<ShopWindow>();
}

void afterLostMatch(BattleWindow& from) {
    close(from);
    playMusic(Track::Town);
    showTown();
}

void toAllocation(BattleWindow& from) {
    close(from);
    windows().show<AllocationWindow>();
}

void toEnding(BattleWindow& from) {
    // The ending runs whole inside its load, question included.
    windows().show<EndingWindow>();
    windows().close<EndingWindow>();
    close(from);
}

void afterAllocation(AllocationWindow& from) {
    close(from);
    // The auxiliary list window of the main frame would close here; the game
    // never opens it, so there is nothing to close.
    playMusic(Track::Town);
    showTown();
}

void abandonMatch() {
    BattleWindow* battle = windows().find<BattleWindow>();
    combat::abandonSkill(game(), battle ? battle->phase.value() : 0);
    windows().close<SkillsWindow>();
    if (battle)
        close(*battle);
    showTown();
    playMusic(Track::Town);
}

void secretEnding(SecretCodeWindow& from) {
    windows().close<TownMenu>();
    windows().close<StatusWindow>();
    close(from);
    windows().show<EndingWindow>();
    windows().close<EndingWindow>();
}

void toNameEntry() {
    windows().show<NameEntryWindow>();
}

} // namespace kobu::navigation
