#include "shop/Store.h"

#include "app/Menu.h"
#include "character/Sutetasu.h"
#include "platform/Controls.h"
#include "platform/Errors.h"
#include "platform/Services.h"
#include "shop/Kaifuku.h"
#include "shop/Power.h"
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

Store::Store() : Form(QStringLiteral("Store")) {
    setCaption(QStringLiteral("店"));
    setClientSizeTwips(4620, 3390);
    setKeyPreview(true);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("武器のアップグレート"),
                          480, 240, 3615, 495);
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("防具のアップグレート"),
                          480, 840, 3615, 495);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("回復アイテム"), 480,
                          1440, 3615, 495);
    Command3 = makeButton(this, QStringLiteral("Command3"),
                          QStringLiteral("パワーアップアイテム？"), 480, 2040, 3615, 495);
    Command5 = makeButton(this, QStringLiteral("Command5"), QStringLiteral("メニューに戻る"), 480,
                          2640, 3615, 495);
    setTabOrder(Command1, Command4);
    setTabOrder(Command4, Command2);
    setTabOrder(Command2, Command3);
    setTabOrder(Command3, Command5);
    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command4, [this] { Command4_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command3, [this] { Command3_Click(); });
    onClick(Command5, [this] { Command5_Click(); });
}

void Store::Command1_Click() {
    BuyUpgrade(UpgradeKind::Weapon);
}
void Store::Command4_Click() {
    BuyUpgrade(UpgradeKind::Armour);
}

void Store::Command2_Click() {
    Forms& forms = Forms::instance();
    forms.hideForm(this);
    forms.show<Kaifuku>();
}

void Store::Command3_Click() {
    Forms& forms = Forms::instance();
    forms.hideForm(this);
    forms.show<Power>();
    // Only the exact limit warns: a count above it (from a load) passes.
    if (game().powerUpsUsed == 5)
        MsgBox(QStringLiteral("パワーアップアイテムの使用は、５回までです！"),
               vbOKOnly | vbExclamation, QStringLiteral("危険！"));
}

void Store::Command5_Click() {
    Forms& forms = Forms::instance();
    forms.unload(this, vbFormCode);
    forms.show<Menu>();
}

void Store::Form_KeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == 8) {
        Forms& forms = Forms::instance();
        forms.unload(this, vbFormCode);
        forms.show<Menu>();
    }
}

void Store::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    if (unloadMode == vbFormControlMenu)
        Forms::instance().show<Menu>();
}

void Store::BuyUpgrade(UpgradeKind kind) {
    GameState& g = game();
    const bool weapon = kind == UpgradeKind::Weapon;
    const UpgradeTable& t = weapon ? kWeapons : kArmour;

    // Read afresh at every click; a missing or short table is an error the
    // guard reports, before anything has changed.
    const std::vector<UpgradeRecord> table =
        readUpgradeTable(g.appPath + QString::fromUtf16(t.file), t.records);

    const i16 level = weapon ? g.weaponLevel : g.armorLevel;
    if (level >= t.levels) {
        MsgBox(QStringLiteral("これ以上アップグレードできません") + QChar(10) + QChar(13) +
                   QStringLiteral("すでに最高ランクです"),
               vbOKOnly, QStringLiteral("エラー"));
        return;
    }
    // Only an edited save can hold a level below 0; there is no record for it.
    if (level < 0)
        throw GameError(QStringLiteral("装備のレベルが正しくありません。"));
    const UpgradeRecord& rec = table[static_cast<size_t>(level.value())];
    if (g.money < rec.price) {
        MsgBox(QStringLiteral("所持金が足りません"), vbOKOnly | vbExclamation,
               QStringLiteral("エラー"));
        return;
    }
    if (MsgBox(rec.price.str() + QStringLiteral("Ｇかかります。よろしいですか？"),
               vbYesNo | vbQuestion, QStringLiteral("確認")) != vbYes)
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
    RefreshStatus();
}

} // namespace kobu
