#include "state/GameState.h"

#include <gtest/gtest.h>

using namespace kobu;

TEST(GameState, StartValues) {
    GameState g;
    assignStartValues(g);
    EXPECT_EQ(g.hp, i16(10));
    EXPECT_EQ(g.attackA, i16(8));
    EXPECT_EQ(g.attackB, i16(2));
    EXPECT_EQ(g.defenseA, i16(5));
    EXPECT_EQ(g.defenseB, i16(1));
    EXPECT_EQ(g.money, i16(100));
    EXPECT_EQ(g.roundNumber, i16(1));
    EXPECT_EQ(g.maxHp, i16(10));
    EXPECT_EQ(g.speed, i16(5));
    EXPECT_EQ(g.weaponName, QStringLiteral("折れそうなバット"));
    EXPECT_EQ(g.armorName, QStringLiteral("ノーマルな服"));
    EXPECT_TRUE(g.playerName.isEmpty());
    EXPECT_EQ(g.powerUpsUsed, i16(0));
    EXPECT_EQ(g.tapWaterCount, i16(0));
}

TEST(GameState, ResetLeavesTheUnchangedFieldsAlone) {
    GameState g;
    assignStartValues(g);
    g.hp = 3;
    g.money = 9999;
    g.reserved1 = 7;
    g.reserved2 = 8;
    g.reserved7 = 9;
    g.playerName = QStringLiteral("たろう");
    g.abilityPoints = 5;
    g.skillMenuPhase = 2;
    g.activeSkill = 3;
    g.skillBackup = 20;
    g.speedRollStep = 2;
    g.hasHeal = -1;
    g.powerUpsUsed = 5;
    g.sodaCount = 4;
    g.opponent.enemyHp = -3;
    g.opponent.enemyPrizeMoney = 500;
    g.enemyRollStopped = -1;
    g.appPath = QStringLiteral("/games/kobusato");
    g.musicPaths[1] = QStringLiteral("/games/kobusato/Midis/Normal.mid");
    const GameState before = g;

    resetGameState(g);

    GameState fresh;
    assignStartValues(fresh);
    EXPECT_EQ(g.hp, fresh.hp);
    EXPECT_EQ(g.money, fresh.money);
    EXPECT_TRUE(g.playerName.isEmpty());
    EXPECT_EQ(g.reserved2, i16(0));
    EXPECT_EQ(g.reserved7, i16(0));
    EXPECT_EQ(g.speedRollStep, i16(0));
    EXPECT_EQ(g.hasHeal, i16(0));
    EXPECT_EQ(g.powerUpsUsed, i16(0));
    EXPECT_EQ(g.sodaCount, i16(0));
    // Left alone.
    EXPECT_EQ(g.reserved1, before.reserved1);
    EXPECT_EQ(g.abilityPoints, before.abilityPoints);
    EXPECT_EQ(g.skillMenuPhase, before.skillMenuPhase);
    EXPECT_EQ(g.activeSkill, before.activeSkill);
    EXPECT_EQ(g.skillBackup, before.skillBackup);
    EXPECT_EQ(g.opponent, before.opponent);
    EXPECT_EQ(g.enemyRollStopped, before.enemyRollStopped);
    EXPECT_EQ(g.appPath, before.appPath);
    EXPECT_EQ(g.musicPaths, before.musicPaths);
}

TEST(GameState, PathsFromAnOrdinaryFolder) {
    const ProgramPaths p = pathsFromFolder(QStringLiteral("/opt/kobusato"));
    EXPECT_EQ(p.appPath, QStringLiteral("/opt/kobusato"));
    EXPECT_EQ(p.musicPaths[1], QStringLiteral("/opt/kobusato/Midis/Normal.mid"));
    EXPECT_EQ(p.musicPaths[2], QStringLiteral("/opt/kobusato/Midis/Battle.mid"));
    EXPECT_EQ(p.musicPaths[3], QStringLiteral("/opt/kobusato/Midis/staff.mid"));
}

TEST(GameState, PathsFromTheRootFolder) {
    const ProgramPaths p = pathsFromFolder(QStringLiteral("/"));
    // appPath loses its separator; the music paths were built before that.
    EXPECT_EQ(p.appPath, QString());
    EXPECT_EQ(p.musicPaths[1], QStringLiteral("//Midis/Normal.mid"));
    EXPECT_EQ(p.musicPaths[3], QStringLiteral("//Midis/staff.mid"));
    EXPECT_EQ(p.appPath + QStringLiteral("/Enemy.dat"), QStringLiteral("/Enemy.dat"));
}
