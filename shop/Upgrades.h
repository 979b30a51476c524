#pragma once
// Weapon and armour upgrades: one level at a time, each level a record of its
// table file (Bukidata2.dat, Bougyo.dat) with its gains, name and price.

#include "shop/UpgradeRecord.h"
#include "state/GameState.h"

#include <vector>

namespace kobu {

enum class UpgradeKind { Weapon, Armour };

// Reads the kind's table afresh from the program folder. A missing or short
// table is a FileError, before anything has changed.
std::vector<UpgradeRecord> readUpgrades(const GameState& g, UpgradeKind kind);
// The levels that can be bought: the weapon table's last record is never sold.
int upgradeLevels(UpgradeKind kind);
// True when the kind is at its top level (or above it, from an edited save).
bool atTopLevel(const GameState& g, UpgradeKind kind);
// The record of the next level. Throws GameError for a level below 0, which
// only an edited save can hold and which has no record.
const UpgradeRecord& nextUpgrade(const std::vector<UpgradeRecord>& table, const GameState& g,
                                 UpgradeKind kind);
// The purchase: the price paid, the gains added, the new name and level.
void applyUpgrade(GameState& g, UpgradeKind kind, const UpgradeRecord& rec);

} // namespace kobu
