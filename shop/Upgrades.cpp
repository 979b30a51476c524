#include "shop/Upgrades.h"

#include "platform/Errors.h"

#include <QCoreApplication>

namespace kobu {
namespace {

struct Table {
    const char16_t* file;
    int records; // read at each purchase
    int levels;  // purchases possible
};

const Table& table(UpgradeKind kind) {
    static const Table kWeapons{u"/Bukidata2.dat", 7, 6};
    static const Table kArmour{u"/Bougyo.dat", 5, 5};
    return kind == UpgradeKind::Weapon ? kWeapons : kArmour;
}

i16 level(const GameState& g, UpgradeKind kind) {
    return kind == UpgradeKind::Weapon ? g.weaponLevel : g.armorLevel;
}

} // namespace

std::vector<UpgradeRecord> readUpgrades(const GameState& g, UpgradeKind kind) {
    const Table& t = table(kind);
    return readUpgradeTable(g.appPath + QString::fromUtf16(t.file), t.records);
}

int upgradeLevels(UpgradeKind kind) {
    return table(kind).levels;
}

bool atTopLevel(const GameState& g, UpgradeKind kind) {
    return level(g, kind) >= table(kind).levels;
}

const UpgradeRecord& nextUpgrade(const std::vector<UpgradeRecord>& records, const GameState& g,
                                 UpgradeKind kind) {
    const i16 l = level(g, kind);
    if (l < 0)
        throw platform::GameError(
            QCoreApplication::translate("kobu::ShopWindow", "装備のレベルが正しくありません。"));
    return records.at(static_cast<size_t>(l.value()));
}

void applyUpgrade(GameState& g, UpgradeKind kind, const UpgradeRecord& rec) {
    g.money = g.money - rec.price;
    if (kind == UpgradeKind::Weapon) {
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
}

} // namespace kobu
