// The upgrade rules as plain functions, on tables written to a real folder:
// which record each level buys, where each kind stops, and the purchase.
#include "shop/Upgrades.h"
#include "platform/Errors.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kobu;

namespace {

UpgradeRecord rec(const QString& name, int gainA, int gainB, int price) {
    return UpgradeRecord{name, 0, gainA, gainB, price};
}

class UpgradesTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        assignStartValues(g);
        g.appPath = dir.path();
        g.money = 5000;
        std::vector<UpgradeRecord> weapons, armour;
        for (int k = 1; k <= 7; ++k)
            weapons.push_back(rec(QStringLiteral("武器%1").arg(k), k, 10 * k, 100 * k));
        for (int k = 1; k <= 5; ++k)
            armour.push_back(rec(QStringLiteral("防具%1").arg(k), 2 * k, 20 * k, 50 * k));
        write(QStringLiteral("Bukidata2.dat"), weapons);
        write(QStringLiteral("Bougyo.dat"), armour);
    }

    void write(const QString& name, const std::vector<UpgradeRecord>& records) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (const UpgradeRecord& r : records)
            f.write(encodeUpgradeRecord(r));
    }

    // The next level bought, as the shop does it.
    const UpgradeRecord& buyNext(UpgradeKind kind) {
        table = readUpgrades(g, kind);
        const UpgradeRecord& r = nextUpgrade(table, g, kind);
        applyUpgrade(g, kind, r);
        return r;
    }

    QTemporaryDir dir;
    GameState g;
    std::vector<UpgradeRecord> table;
};

} // namespace

// The weapon table holds seven records but sells six: its last is never
// bought. The armour sells all five.
TEST_F(UpgradesTest, EachKindStopsAtItsTopLevel) {
    EXPECT_EQ(readUpgrades(g, UpgradeKind::Weapon).size(), 7u);
    EXPECT_EQ(readUpgrades(g, UpgradeKind::Armour).size(), 5u);
    struct Case {
        UpgradeKind kind;
        i16 GameState::*level;
        int top;
        const char* lastName;
    };
    for (const Case c : {Case{UpgradeKind::Weapon, &GameState::weaponLevel, 6, "武器6"},
                         Case{UpgradeKind::Armour, &GameState::armorLevel, 5, "防具5"}}) {
        SCOPED_TRACE(c.top);
        EXPECT_EQ(upgradeLevels(c.kind), c.top);
        g.*c.level = c.top - 1;
        EXPECT_FALSE(atTopLevel(g, c.kind));
        EXPECT_EQ(buyNext(c.kind).name.trimmed(), QString::fromUtf8(c.lastName));
        EXPECT_EQ(g.*c.level, i16(c.top));
        EXPECT_TRUE(atTopLevel(g, c.kind));
        g.*c.level = c.top + 1; // an edited save
        EXPECT_TRUE(atTopLevel(g, c.kind));
    }
}

TEST_F(UpgradesTest, PurchasesUseRecordsInTurnAndAddUp) {
    EXPECT_EQ(buyNext(UpgradeKind::Armour).price, i16(50));
    EXPECT_EQ(buyNext(UpgradeKind::Armour).price, i16(100));
    EXPECT_EQ(g.defenseA, i16(5 + 2 + 4));
    EXPECT_EQ(g.defenseB, i16(1 + 20 + 40));
    EXPECT_EQ(g.money, i16(5000 - 50 - 100));
    EXPECT_EQ(g.armorLevel, i16(2));
    EXPECT_EQ(g.armorName.trimmed(), QStringLiteral("防具2"));
    // The weapon side is untouched.
    EXPECT_EQ(g.attackA, i16(8));
    EXPECT_EQ(g.attackB, i16(2));
    EXPECT_EQ(g.weaponLevel, i16(0));
    EXPECT_EQ(g.weaponName, QStringLiteral("折れそうなバット"));

    buyNext(UpgradeKind::Weapon);
    EXPECT_EQ(g.attackA, i16(8 + 1));
    EXPECT_EQ(g.attackB, i16(2 + 10));
    EXPECT_EQ(g.money, i16(5000 - 150 - 100));
    EXPECT_EQ(g.defenseA, i16(11));
}

TEST_F(UpgradesTest, TheNameKeepsItsPadding) {
    write(QStringLiteral("Bukidata2.dat"),
          std::vector<UpgradeRecord>(7, rec(QStringLiteral("木刀"), 1, 1, 10)));
    buyNext(UpgradeKind::Weapon);
    // Two double-byte characters take 4 of the 20 bytes; the rest are blanks.
    EXPECT_EQ(g.weaponName, QStringLiteral("木刀") + QString(16, QLatin1Char(' ')));
}

// Each kind reads its own file, whole: the weapon table needs its seventh
// record though it is never sold.
TEST_F(UpgradesTest, AShortTableIsAFileError) {
    write(QStringLiteral("Bukidata2.dat"),
          std::vector<UpgradeRecord>(6, rec(QStringLiteral("木刀"), 1, 1, 10)));
    EXPECT_THROW(readUpgrades(g, UpgradeKind::Weapon), platform::FileError);
    EXPECT_EQ(readUpgrades(g, UpgradeKind::Armour).size(), 5u);
}

TEST_F(UpgradesTest, ALevelBelowZeroHasNoRecord) {
    table = readUpgrades(g, UpgradeKind::Armour);
    g.armorLevel = -1;
    EXPECT_FALSE(atTopLevel(g, UpgradeKind::Armour));
    EXPECT_THROW(nextUpgrade(table, g, UpgradeKind::Armour), platform::GameError);
}
