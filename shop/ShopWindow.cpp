#include "shop/ShopWindow.h"

#include "app/TownMenu.h"
#include "character/StatusWindow.h"
#include "platform/Controls.h"
#include "platform/Errors.h"
#include "platform/Services.h"
#include "shop/RecoveryItemsWindow.h"
#include "shop/PowerUpWindow.h"
#include "shop/UpgradeRecord.h"
#include "state/GameState.h"

#include <QPushButton>

using namespace platform;

namespace kobu {
namespace {

struct UpgradeTable {
    const char16_t* file;
    int records; // read at each purchase
    int levels;  // purchases possible; the weapon table's last record is never sold
};

constexpr UpgradeTable kWeapons{u"/Bukidata2.dat", 7, 6};
constexpr UpgradeTable kArmour{u"/Bougyo.dat", 5, 5};

} // namespace

ShopWindow::ShopWindow() : GameWindow(QStringLiteral("Store")) {
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
    Windows& forms = Windows::instance();
    forms.hideWindow(this);
    forms.show<RecoveryItemsWindow>();
}

void ShopWindow::onPowerUpClicked() {
    Windows& forms = Windows::instance();
    forms.hideWindow(this);
    forms.show<PowerUpWindow>();
    // Only the exact limit warns: a count above it (from a load) passes.
    if (game().powerUpsUsed == 5)
        MsgBox(tr("パワーアップアイテムの使用は、５回までです！"), vbOKOnly | vbExclamation,
               tr("危険！"));
}

void ShopWindow::onBackClicked() {
    Windows& forms = Windows::instance();
    forms.unload(this, vbFormCode);
    forms.show<TownMenu>();
}

void ShopWindow::onKeyPreview(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == 8) {
        Windows& forms = Windows::instance();
        forms.unload(this, vbFormCode);
        forms.show<TownMenu>();
    }
}

void ShopWindow::canClose(int& cancel, int unloadMode) {
    (void)cancel;
    if (unloadMode == vbFormControlMenu)
        Windows::instance().show<TownMenu>();
}

void ShopWindow::buyUpgrade(UpgradeKind kind) {
    GameState& g = game();
    const bool weapon = kind == UpgradeKind::Weapon;
    const UpgradeTable& t = weapon ? kWeapons : kArmour;

    // Read afresh at every click; a missing or short table is an error the
    // guard reports, before anything has changed.
    const std::vector<UpgradeRecord> table =
        readUpgradeTable(g.appPath + QString::fromUtf16(t.file), t.records);

    const i16 level = weapon ? g.weaponLevel : g.armorLevel;
    if (level >= t.levels) {
        MsgBox(tr("これ以上アップグレードできません\n\rすでに最高ランクです"), vbOKOnly,
               tr("エラー"));
        return;
    }
    // Only an edited save can hold a level below 0; there is no record for it.
    if (level < 0)
        throw GameError(tr("装備のレベルが正しくありません。"));
    const UpgradeRecord& rec = table[static_cast<size_t>(level.value())];
    if (g.money < rec.price) {
        MsgBox(tr("所持金が足りません"), vbOKOnly | vbExclamation, tr("エラー"));
        return;
    }
    if (MsgBox(tr("%1Ｇかかります。よろしいですか？").arg(rec.price.str()), vbYesNo | vbQuestion,
               tr("確認")) != vbYes)
        return;

    g.money = g.money - rec.price;
    if (weapon) {
        g.attackA = g.attackA + rec.gainA;
        g.attackB = g.attackB + rec.gainB;
        g.weaponName = rec.name;
        g.weaponLevel = g.weaponLevel + 1;
    } else {
        g.defenseA = g.defenseA + rec.gainA;
        g.defenseB = g.defenseB + rec.gainB;
        g.armorName = rec.name;
        g.armorLevel = g.armorLevel + 1;
    }
    refreshStatus();
}

} // namespace kobu
