// A match as a player who cannot see it hears it: every message, both stopped
// numbers, the damage and both HP, once each and in order, in the language
// the game is in, and never a running number.
#include "battle/BattleSupport.h"
#include "character/AllocationWindow.h"
#include "platform/Language.h"

#include <QAccessible>

using namespace kobu;
using namespace platform;
using namespace testing_support;
using namespace battle_support;

namespace {

class ByEarTest : public BattleFixture {
  protected:
    void TearDown() override {
        applyLanguage(Language::Japanese);
        BattleFixture::TearDown();
    }
};

const QStringList kHeardInJapanese = {
    QStringLiteral("試合開始"),
    QStringLiteral("あなたの数 5"),
    QStringLiteral("相手の数 2"),
    QStringLiteral("スピード勝ち"),
    QStringLiteral("あなたの数 8"),
    QStringLiteral("相手の数 3"),
    QStringLiteral("プレイヤー勝利 相手に5のダメージ"),
    QStringLiteral("あなたのHP 10、相手のHP 1"),
    QStringLiteral("あなたの数 1"),
    QStringLiteral("相手の数 5"),
    QStringLiteral("スピード負け"),
    QStringLiteral("あなたの数 1"),
    QStringLiteral("相手の数 4"),
    QStringLiteral("プレイヤー負け あなたに3のダメージ"),
    QStringLiteral("あなたのHP 7、相手のHP 1"),
    QStringLiteral("あなたの数 5"),
    QStringLiteral("相手の数 1"),
    QStringLiteral("スピード勝ち"),
    QStringLiteral("あなたの数 8"),
    QStringLiteral("相手の数 1"),
    QStringLiteral("プレイヤー勝利 相手に7のダメージ"),
    QStringLiteral("あなたのHP 7、相手のHP -6"),
    QStringLiteral("box:あなたの勝利です♪"),
    QStringLiteral("所持金 200 G"),
    QStringLiteral("残り振り分けポイント 3"),
};

} // namespace

TEST_F(ByEarTest, AMatchIsHeardInOrderInJapanese) {
    fakeBoxes().autoOk = true;
    BattleWindow& b = start();
    // Running numbers are shown, never said.
    for (int v : {3, 4, 2})
        playerTick(b, v);
    opponentTick(b, 4, false);
    heard().removeAll(QStringLiteral("試合開始"));
    EXPECT_TRUE(heard().isEmpty()) << heard().join(QLatin1Char('|')).toStdString();
    heard().prepend(QStringLiteral("試合開始"));
    playHeardMatch(b);
    EXPECT_EQ(heard(), kHeardInJapanese) << heard().join(QLatin1Char('|')).toStdString();
    ASSERT_NE(find<AllocationWindow>(), nullptr);
    // Each is told from the window that shows it.
    EXPECT_EQ(fakeAnnouncer().windows.front(), QStringLiteral("BattleWindow"));
    EXPECT_EQ(fakeAnnouncer().windows.back(), QStringLiteral("AllocationWindow"));
}

TEST_F(ByEarTest, AMatchIsHeardInOrderInEnglish) {
    copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
    ASSERT_TRUE(applyLanguage(Language::English));
    fakeBoxes().autoOk = true;
    BattleWindow& b = start();
    playHeardMatch(b);
    const QStringList expected = {
        QStringLiteral("Fight!"),
        QStringLiteral("Your number: 5"),
        QStringLiteral("Opponent's number: 2"),
    };
    ASSERT_EQ(heard().size(), kHeardInJapanese.size());
    EXPECT_EQ(heard().mid(0, 3), expected);
    EXPECT_EQ(heard()[6], QStringLiteral("You win the exchange! 5 damage to the opponent"));
    EXPECT_EQ(heard()[14], QStringLiteral("Your HP 7, opponent's HP 1"));
    EXPECT_EQ(heard()[23], QStringLiteral("Money: 200 G"));
    EXPECT_EQ(heard()[24], QStringLiteral("Points left: 3"));
    // No Japanese reaches an English listener, boxes' texts aside (the box
    // shows the game's own lettering).
    for (const QString& s : heard()) {
        if (s.startsWith(QStringLiteral("box:")))
            continue;
        for (QChar c : s)
            EXPECT_LT(c.unicode(), 0x3000) << s.toStdString();
    }
}

TEST_F(ByEarTest, ALostMatchTellsTheHalvedMoney) {
    g().money = 9;
    g().hp = 2;
    fakeBoxes().autoOk = true;
    BattleWindow& b = start();
    loseSpeed(b);
    heard().clear();
    rollAndStop(b, 1, 9);
    EXPECT_EQ(heard(), (QStringList{QStringLiteral("相手の数 9"), QStringLiteral("あなたの数 1"),
                                    QStringLiteral("プレイヤー負け あなたに8のダメージ"),
                                    QStringLiteral("あなたのHP -6、相手のHP 20"),
                                    QStringLiteral("box:負け"), QStringLiteral("所持金 4 G")}));
}

TEST_F(ByEarTest, ASecondStopSaysNothingNew) {
    BattleWindow& b = start();
    playerTick(b, 3);
    pressStop(b);
    pressStop(b);
    EXPECT_EQ(fakeAnnouncer().said.count(QStringLiteral("あなたの数 3")), 1);
}

TEST_F(ByEarTest, AHitWiderThanSixteenBitsIsStillSaid) {
    // The two HP are 16-bit; the hit between them need not be.
    BattleWindow& b = start();
    g().attackA = 32000;
    g().attackB = 32000;
    g().opponent.enemyHp = 30000;
    g().opponent.enemyDefenseA = -27999;
    g().opponent.enemyDefenseB = -28000;
    fakeBoxes().autoOk = true;
    winSpeed(b);
    rollAndStop(b, 32000, -28000);
    EXPECT_TRUE(
        fakeAnnouncer().said.contains(QStringLiteral("プレイヤー勝利 相手に60000のダメージ")))
        << fakeAnnouncer().said.join(QLatin1Char('|')).toStdString();
}

namespace {

// Counts the accessibility events of the two roll labels, as the bridge to
// the bus would get them.
int rollEvents = 0;
QObject* rollLabels[2] = {};
void countRollEvents(QAccessibleEvent* e) {
    if (e->object() == rollLabels[0] || e->object() == rollLabels[1])
        ++rollEvents;
}

} // namespace

TEST_F(ByEarTest, RunningNumbersPutNoEventOnTheBus) {
    BattleWindow& b = start();
    rollLabels[0] = b.playerRoll;
    rollLabels[1] = b.opponentRoll;
    rollEvents = 0;
    QAccessible::installUpdateHandler(countRollEvents);
    QAccessible::setActive(true);
    for (int i = 0; i < 60; ++i) {
        playerTick(b, 1 + i % 5);
        opponentTick(b, 1 + i % 5, false);
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::setActive(false);
    EXPECT_EQ(rollEvents, 0);
    // Stopped, a number is told once instead.
    pressStop(b);
    EXPECT_EQ(fakeAnnouncer().said.back(), QStringLiteral("あなたの数 5"));
}
