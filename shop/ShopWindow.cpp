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
ShopWindow::ShopWindow() : GameWindow(QStringLiteral("ShopWindow")) {
    setClientSizeTwips(4620, 3390);
    setKeyPreview(true);
    weaponButton = makeButton(this, QStringLiteral("Command1"), {}, 480, 240, 3615, 495);
    armourButton = makeButton(this, QStringLiteral("Command4"), {}, 480, 840, 3615, 495);
    recoveryButton = makeButton(this, QStringLiteral("Command2"), {}, 480, 1440, 3615, 495);
    powerUpButton = makeButton(this, QStringLiteral("Command3"), {}, 480, 2040, 3615, 495);
    backButton = makeButton(this, QStringLiteral("Command5"), {}, 480, 2640, 3615, 495);
    setTabOrder(weaponButton, armourButton);
    setTabOrder(armourButton, recoveryButton);
    setTabOrder(recoveryButton, powerUpButton);
    setTabOrder(powerUpButton, backButton);
    onClick(weaponButton, [this] { onWeaponClicked(); });
    onClick(armourButton, [this] { onArmourClicked(); });
    onClick(recoveryButton, [this] { onRecoveryClicked(); });
    onClick(powerUpButton, [this] { onPowerUpClicked(); });
    onClick(backButton, [this] { onBackClicked(); });
    translateTexts();
}

void ShopWindow::retranslate() {
    setTitle(tr("店"));
    weaponButton->setText(tr("武器のアップグレート"));
    armourButton->setText(tr("防具のアップグレート"));
    recoveryButton->setText(tr("回復アイテム"));
    powerUpButton->setText(tr("パワーアップアイテム？"));
    backButton->setText(tr("メニューに戻る"));
}

void ShopWindow::onWeaponClicked() {
    buyUpgrade(UpgradeKind::Weapon);
}
void ShopWindow::onArmourClicked() {
    buyUpgrade(UpgradeKind::Armour);
}

void ShopWindow::onRecoveryClicked() {
    navigation::toRecoveryItems();
}

void ShopWindow::onPowerUpClicked() {
    navigation::toPowerUps();
    // Only the exact limit warns: a count above it (from a load) passes.
    if (atPowerUpLimit(game()))
        tell(tr("パワーアップアイテムの使用は、５回までです！"), BoxIcon::Exclamation,
             tr("危険！"));
}

void ShopWindow::onBackClicked() {
    navigation::backToTown(*this);
}

bool ShopWindow::onKeyPreview(Qt::Key key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Backspace)
        navigation::backToTown(*this);
    return false;
}

bool ShopWindow::canClose(CloseReason reason) {
    // The player's close box leads back where the back button does.
    if (reason == CloseReason::User)
        navigation::showTown();
    return true;
}

void ShopWindow::buyUpgrade(UpgradeKind kind) {
    GameState& g = game();
    // Read afresh at every click; a missing or short table is an error the
    // guard reports, before anything has changed.
    const std::vector<UpgradeRecord> table = readUpgrades(g, kind);
    if (atTopLevel(g, kind)) {
        tell(tr("これ以上アップグレードできません\n\rすでに最高ランクです"), BoxIcon::None,
             tr("エラー"));
        return;
    }
    const UpgradeRecord& rec = nextUpgrade(table, g, kind);
    if (g.money < rec.price) {
        tell(tr("所持金が足りません"), BoxIcon::Exclamation, tr("エラー"));
        return;
    }
    if (!ask(tr("%1Ｇかかります。よろしいですか？").arg(rec.price.str()), BoxIcon::Question,
             tr("確認")))
        return;
    applyUpgrade(g, kind, rec);
    refreshStatus();
    announceMoney(this);
}

} // namespace kobu
