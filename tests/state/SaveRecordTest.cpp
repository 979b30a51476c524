#include "state/SaveRecord.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace kobu;

namespace {

GameState knownState() {
    GameState g;
    assignStartValues(g);
    g.hp = 23;
    g.attackA = 300;
    g.attackB = -2;
    g.defenseA = 5;
    g.defenseB = 1;
    g.money = -32768;
    g.reserved1 = 32767;
    g.roundNumber = 10;
    g.reserved7 = 7;
    g.weaponName = QStringLiteral("木刀～改");
    g.armorName = QStringLiteral("ノーマルな服");
    g.weaponLevel = 2;
    g.armorLevel = 1;
    g.playerName = QStringLiteral("たろう");
    g.tapWaterCount = 3;
    g.naturalWaterCount = 0;
    g.sodaCount = -1;
    g.maxHp = 25;
    g.powerUpsUsed = 5;
    g.speed = 7;
    g.abilityPoints = 4;
    g.skillMenuPhase = 2;
    g.activeSkill = 3;
    g.hasSpeedSecret = -1;
    g.speedRollStep = 1;
    g.hasSpiritAttack = 0;
    g.hasEnergyBoost = -1;
    g.skillBackup = 20;
    g.hasHeal = -1;
    g.enemyRollStopped = -1;
    return g;
}

QByteArray text30(const char* hex) {
    QByteArray b = QByteArray::fromHex(hex);
    b.append(QByteArray(30 - b.size(), ' '));
    return b;
}

} // namespace

TEST(SaveRecord, KnownStateGivesTheseBytes) {
    const QByteArray rec = encodeSaveRecord(knownState());
    ASSERT_EQ(rec.size(), 554);
    QByteArray expected = QByteArray::fromHex("1700"
                                              "2c01"
                                              "feff"
                                              "0500"
                                              "0100"
                                              "0080"
                                              "ff7f"
                                              "0a00"
                                              "000000000000000000000700");
    expected += text30("96d89381816089fc");
    expected += text30("836d815b837d838b82c8959e");
    expected += QByteArray::fromHex("02000100");
    expected += text30("82bd82eb82a4");
    expected += QByteArray::fromHex("0300"
                                    "0000"
                                    "ffff"
                                    "1900"
                                    "0500"
                                    "0700"
                                    "0400"
                                    "0200"
                                    "0300"
                                    "ffff"
                                    "0100"
                                    "0000"
                                    "ffff"
                                    "1400"
                                    "ffff"
                                    "ffff");
    ASSERT_EQ(expected.size(), 154);
    expected += QByteArray(400, '\0');
    EXPECT_EQ(rec.toHex(), expected.toHex());
}

TEST(SaveRecord, BytesLoadBackWithBlanksAppended) {
    const GameState before = knownState();
    GameState after;
    assignStartValues(after);
    after.appPath = QStringLiteral("/keep");
    after.opponent.enemyHp = 99;
    decodeSaveRecord(encodeSaveRecord(before), after);
    EXPECT_EQ(after.playerName, QStringLiteral("たろう") + QString(27, QLatin1Char(' ')));
    EXPECT_EQ(after.weaponName, QStringLiteral("木刀～改") + QString(26, QLatin1Char(' ')));
    EXPECT_EQ(after.money, before.money);
    EXPECT_EQ(after.reserved1, before.reserved1);
    EXPECT_EQ(after.enemyRollStopped, before.enemyRollStopped);
    EXPECT_EQ(after.skillBackup, before.skillBackup);
    EXPECT_EQ(after.hasHeal, before.hasHeal);
    // Not in the file: left as they were.
    EXPECT_EQ(after.appPath, QStringLiteral("/keep"));
    EXPECT_EQ(after.opponent.enemyHp, i16(99));
    // Saving the loaded state again gives the same bytes.
    EXPECT_EQ(encodeSaveRecord(after), encodeSaveRecord(before));
}

TEST(SaveRecord, LongTextsAreCutWithoutSplittingACharacter) {
    GameState g;
    assignStartValues(g);
    // One single-byte and 15 double-byte characters: the last would need
    // bytes 30 and 31.
    g.playerName = QStringLiteral("a") + QString(15, QChar(0x3042)); // あ
    g.weaponName = QStringLiteral("x") + QString(40, QLatin1Char('y'));
    const QByteArray rec = encodeSaveRecord(g);
    const QByteArray name = rec.mid(92, 30);
    EXPECT_EQ(name, QByteArray("a") + QByteArray::fromHex("82a0").repeated(14) + QByteArray(" "));
    EXPECT_EQ(rec.mid(28, 30), (QStringLiteral("x") + QString(29, QLatin1Char('y'))).toLatin1());
}

TEST(SaveRecord, AnyBytesLoadWithoutFailing) {
    QRandomGenerator rng(12345);
    for (int i = 0; i < 200; ++i) {
        QByteArray junk(554, '\0');
        for (char& c : junk)
            c = static_cast<char>(rng.bounded(256));
        GameState g;
        decodeSaveRecord(junk, g);
        EXPECT_EQ(g.playerName.size(), 30) << "names always fill their field";
    }
}

// Another program's save may hold the five single bytes that code page 932
// leaves without a character; a load and a save must give them back as they
// were, not as "?".
TEST(SaveRecord, StrayBytesOfAnotherProgramsSaveSurviveALoadAndASave) {
    QByteArray rec = encodeSaveRecord(knownState());
    // Among double-byte characters, and one at the very end of a field.
    rec.replace(92, 30,
                QByteArray::fromHex("80a0fdfeff82bd41ff82eb") + QByteArray(18, ' ') +
                    QByteArray::fromHex("ff"));
    rec.replace(28, 30, QByteArray::fromHex("96d8a0938181608080") + QByteArray(21, '\xfe'));
    GameState g;
    assignStartValues(g);
    decodeSaveRecord(rec, g);
    EXPECT_TRUE(g.playerName.startsWith(QString::fromUtf16(u"\u0080\uf8f0\uf8f1\uf8f2\uf8f3た")));
    EXPECT_EQ(encodeSaveRecord(g).toHex().toStdString(), rec.toHex().toStdString());
}
