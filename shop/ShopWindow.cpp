#include "shop/ShopWindow.h"

#include "app/Navigation.h"
#include "app/TownMenu.h"
#include "character/StatusWindow.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include "shop/PowerUpWindow.h"
#include "shop/PowerUps.h"
#include "shop/RecoveryItemsWindow.h"
#include "shop/Upgrades.h"
#include "state/GameState.h"

#include <QPushButton>

using namespace platform;

namespace kobu {
ShopWindow::ShopWindow() : GameWindow(QStringLiteral("Store")) {
    setTitle(QStringLiteral("店"));
    setClientSizeTwips(4620, 3390);
    setKeyPreview(true);
    weaponButton = makeButton(this, QStringLiteral("Command1"),
                              QStringLiteral("武器のアップグレート"), 480, 240, 3615, 495);
    armourButton = makeButton(this, QStringLiteral("Command4"),
                              QStringLiteral("防具のアップグレート"), 480, 840, 3615, 495);
    recoveryButton = makeButton(this, QStringLiteral("Command2"), QStringLiteral("回復アイテム"),
                                480, 1440, 3615, 495);
    powerUpButton = makeButton(this, QStringLiteral("Command3"),
                               QStringLiteral("パワーアップアイテム？"), 480, 2040, 3615, 495);
    backButton = makeButton(this, QStringLiteral("Command5"), QStringLiteral("メニューに戻る"), 480,
                            2640, 3615, 495);
    setTabOrder(weaponButton, armourButton);
    setTabOrder(armourButton, recoveryButton);
    setTabOrder(recoveryButton, powerUpButton);
    setTabOrder(powerUpButton, backButton);
    onClick(weaponButton, [this] { onWeaponClicked(); });
    onClick(armourButton, [this] { onArmourClicked(); });
    onClick(recoveryButton, [this] { onRecoveryClicked(); });
    onClick(powerUpButton, [this] { onPowerUpClicked(); });
    onClick(backButton, [this] { onBackClicked(); });
}

void ShopWindow::onWeaponClicked() {
    buyUpgrade(UpgradeKind::Weapon);
}
void ShopWindow::onArmourClicked() {
    buyUpgrade(UpgradeKind::Armour);
}

void ShopWindow::onRecoveryClicked() { navigation::toRecoveryItems(); }

void ShopWindow::onPowerUpClicked() {
    navigation::toPowerUps();
    // Only the exact limit warns: a count above it (from a load) passes.
    if (atPowerUpLimit(game()))
        MsgBox(QStringLiteral("パワーアップアイテムの使用は、５回までです！"),
               vbOKOnly | vbExclamation, QStringLiteral("危険！"));
}

void ShopWindow::onBackClicked() { navigation::backToTown(*this); }

void ShopWindow::onKeyPreview(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == 8)
        navigation::backToTown(*this);
}

void ShopWindow::canClose(int& cancel, int unloadMode) {
    (void)cancel;
    if (unloadMode == vbFormControlMenu)
        navigation::showTown();
}

void ShopWindow::buyUpgrade(UpgradeKind kind) {
    GameState& g = game();
    // Read afresh at every click; a missing or short table is an error the
    // guard reports, before anything has changed.
    const std::vector<UpgradeRecord> table = readUpgrades(g, kind);
    if (atTopLevel(g, kind)) {
        MsgBox(QStringLiteral("これ以上アップグレードできません") + QChar(10) + QChar(13) +
                   QStringLiteral("すでに最高ランクです"),
               vbOKOnly, QStringLiteral("エラー"));
        return;
    }
    const UpgradeRecord& rec = nextUpgrade(table, g, kind);
    if (g.money < rec.price) {
        MsgBox(QStringLiteral("所持金が足りません"), vbOKOnly | vbExclamation,
               QStringLiteral("エラー"));
        return;
    }
    if (MsgBox(rec.price.str() + QStringLiteral("Ｇかかります。よろしいですか？"),
               vbYesNo | vbQuestion, QStringLiteral("確認")) != vbYes)
        return;
    applyUpgrade(g, kind, rec);
    refreshStatus();
}

} // namespace kobu
