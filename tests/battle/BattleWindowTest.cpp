// The battle window through its real controls: load, rolls, "Stop!", the
// exchange, the outcome of a match, and a match that fails.
#include "app/TownMenu.h"
#include "battle/BattleSupport.h"
#include "character/AllocationWindow.h"
#include "character/StatusWindow.h"
#include "platform/Services.h"
#include "support/GameTest.h"

#include <QFile>
#include <QLabel>
#include <QTest>

using namespace kobu;
using namespace platform;
using namespace testing_support;
using namespace battle_support;

namespace {

class BattleTest : public BattleFixture {};

} // namespace

// ---- Load ----------------------------------------------------------------------

TEST_F(BattleTest, LoadReadsTheRoundAndFillsTheWindow) {
    g().roundNumber = 3;
    g().hp = 7;
    g().enemyRollStopped = kTrue;
    BattleWindow& b = start();
    EXPECT_EQ(g().opponent, opponentOf(3));
    EXPECT_EQ(b.title(), QStringLiteral("3回戦"));
    EXPECT_EQ(b.playerName->text(), QStringLiteral("たろう"));
    EXPECT_EQ(b.playerHp->text(), QStringLiteral("7"));
    EXPECT_EQ(b.playerAttackA->text(), QStringLiteral("8"));
    EXPECT_EQ(b.playerDefenseB->text(), QStringLiteral("1"));
    EXPECT_EQ(b.playerSpeed->text(), QStringLiteral("5"));
    EXPECT_EQ(b.opponentAttackA->text(), QStringLiteral("10"));
    EXPECT_EQ(b.opponentSpeed->text(), QStringLiteral("6"));
    EXPECT_EQ(b.opponentHp->text(), QStringLiteral("20"));
    EXPECT_EQ(b.playerRoll->text(), QStringLiteral("Label7")); // until the first tick
    EXPECT_EQ(b.messageLabel->text(), QStringLiteral("試合開始"));
    EXPECT_EQ(b.skillsHint->text(), QStringLiteral("ｗキーで技能を使う"));
    EXPECT_EQ(b.phase, i16(1));
    EXPECT_TRUE(b.playerRollTimer->isEnabled());
    EXPECT_TRUE(b.opponentRollTimer->isEnabled());
    EXPECT_FALSE(b.waitTimer->isEnabled());
    EXPECT_EQ(g().enemyRollStopped, i16(kFalse));
    EXPECT_TRUE(b.isShown());
    EXPECT_FALSE(find<TownMenu>()->isShown());
    EXPECT_EQ(find<StatusWindow>()->hpValue->text(), QStringLiteral("7"));
    EXPECT_EQ(midiTrack(), track("Battle.mid"));
}

class MissingOpponentTest : public BattleTest, public ::testing::WithParamInterface<int> {};

TEST_P(MissingOpponentTest, KeepsThePlayerInTown) {
    const int round = GetParam();
    if (round == 1)
        QFile::remove(folder() + "/Enemy.dat");
    else
        writeRoster(5);
    g().roundNumber = round;
    const GameState before = g();
    fakeBoxes().answer(Answer::Ok);
    QTest::mouseClick(find<TownMenu>()->battleButton, Qt::LeftButton);
    ASSERT_EQ(fakeBoxes().shown.size(), 1u);
    EXPECT_TRUE(fakeBoxes().shown[0].request.text.contains(QStringLiteral("Enemy.dat")));
    // A missing file is its own fault, a short one that of the round.
    if (round == 1)
        EXPECT_TRUE(fakeBoxes().shown[0].request.text.contains(QStringLiteral("読めない")));
    else
        EXPECT_TRUE(
            fakeBoxes().shown[0].request.text.contains(QStringLiteral("第%1回戦").arg(round)));
    EXPECT_EQ(find<BattleWindow>(), nullptr);
    EXPECT_TRUE(find<TownMenu>()->isShown());
    EXPECT_EQ(g(), before);
    EXPECT_TRUE(fakeMidi().commands.empty()); // the town music goes on
    EXPECT_EQ(QFile::exists(folder() + "/Enemy.dat"), round != 1);
}

// Round 1 without a roster; round 6 and a saved round 11 with only five records.
INSTANTIATE_TEST_SUITE_P(Rounds, MissingOpponentTest, ::testing::Values(1, 6, 11));

TEST_F(BattleTest, PanelShowsNegativeHitPointsAndNeedsTheWindow) {
    refreshBattlePanel(); // no battle: nothing happens, nothing is opened
    EXPECT_EQ(find<BattleWindow>(), nullptr);
    BattleWindow& b = start();
    g().opponent.enemyHp = -3;
    g().hp = -1;
    g().defenseA = 12;
    refreshBattlePanel();
    EXPECT_EQ(b.opponentHp->text(), QStringLiteral("-3"));
    EXPECT_EQ(b.playerHp->text(), QStringLiteral("-1"));
    EXPECT_EQ(b.playerDefenseA->text(), QStringLiteral("12"));
}

// ---- Rolls and "Stop!" -------------------------------------------------------------

TEST_F(BattleTest, EachTickShowsAFreshRoll) {
    BattleWindow& b = start();
    playerTick(b, 4);
    EXPECT_EQ(b.playerRoll->text(), QStringLiteral("4"));
    opponentTick(b, 2, false);
    EXPECT_EQ(b.opponentRoll->text(), QStringLiteral("2"));
    EXPECT_TRUE(b.opponentRollTimer->isEnabled());
    EXPECT_EQ(g().enemyRollStopped, i16(kFalse));
    opponentTick(b, 5, true);
    EXPECT_EQ(b.opponentRoll->text(), QStringLiteral("5")); // shown, then stopped
    EXPECT_FALSE(b.opponentRollTimer->isEnabled());
    EXPECT_EQ(g().enemyRollStopped, i16(kTrue));
}

TEST_F(BattleTest, TheJudgedNumberIsTheOneOnScreen) {
    BattleWindow& b = start();
    playerTick(b, 1);
    playerTick(b, 5);
    EXPECT_EQ(b.playerRoll->text(), QStringLiteral("5"));
    opponentTick(b, 2, false);
    opponentTick(b, 3, false);
    EXPECT_EQ(b.opponentRoll->text(), QStringLiteral("3"));
    opponentTick(b, 4, true);
    EXPECT_EQ(b.opponentRoll->text(), QStringLiteral("4"));
    pressStop(b);
    EXPECT_EQ(b.messageLabel->text(), QStringLiteral("スピード勝ち")); // 5 against 4
}

TEST_F(BattleTest, StopAfterTheOpponentResolvesAtOnce) {
    BattleWindow& b = start();
    opponentTick(b, 2, true);
    playerTick(b, 3);
    pressStop(b);
    EXPECT_EQ(b.messageLabel->text(), QStringLiteral("スピード勝ち"));
    EXPECT_EQ(b.phase, i16(2));
    EXPECT_EQ(g().enemyRollStopped, i16(kFalse));
    EXPECT_FALSE(b.waitTimer->isEnabled());
    EXPECT_TRUE(b.playerRollTimer->isEnabled());
    EXPECT_TRUE(b.opponentRollTimer->isEnabled());
}

TEST_F(BattleTest, StopBeforeTheOpponentWaitsForItsStop) {
    BattleWindow& b = start();
    playerTick(b, 3);
    pressStop(b);
    EXPECT_FALSE(b.playerRollTimer->isEnabled());
    EXPECT_TRUE(b.waitTimer->isEnabled());
    b.waitTimer->fire(); // still rolling: nothing
    EXPECT_EQ(b.phase, i16(1));
    opponentTick(b, 1, false);
    b.waitTimer->fire();
    EXPECT_EQ(b.phase, i16(1));
    opponentTick(b, 4, true);
    EXPECT_EQ(b.playerRoll->text(), QStringLiteral("3"));
    b.waitTimer->fire(); // the first tick after the stop
    EXPECT_EQ(b.messageLabel->text(), QStringLiteral("スピード負け"));
    EXPECT_EQ(b.phase, i16(4));
    EXPECT_FALSE(b.waitTimer->isEnabled());
}

TEST_F(BattleTest, ASecondPressWaitsAgainOrJudgesWhatStands) {
    BattleWindow& b = start();
    playerTick(b, 2);
    pressStop(b);
    b.waitTimer->setEnabled(false);
    pressStop(b); // the roll stays stopped; the wait starts again
    EXPECT_TRUE(b.waitTimer->isEnabled());
    EXPECT_FALSE(b.playerRollTimer->isEnabled());
    EXPECT_EQ(b.playerRoll->text(), QStringLiteral("2"));
    opponentTick(b, 2, true);
    pressStop(b); // before the wait's tick: judged now, with the 2 that stands
    EXPECT_EQ(b.messageLabel->text(), QStringLiteral("スピードドロー"));
    EXPECT_EQ(b.phase, i16(3));
}

// ---- The three attack starters ---------------------------------------------------------

TEST_F(BattleTest, StartersSetTheirStepStartingValueAndPause) {
    g().attackB = 3;
    g().defenseB = 2;
    struct Case {
        int player, opponent, phase;
        const char* shown;
        std::vector<int> sleeps;
    };
    const Case cases[] = {{5, 1, 2, "3", {1000}}, // win: attack B, a pause
                          {3, 3, 3, "8", {1000}}, // draw: attack A, a pause
                          {1, 5, 4, "2", {}}};    // loss: defence B, no pause
    for (const Case& c : cases) {
        BattleWindow& b = start();
        fakeClock().sleeps.clear();
        bool rollsOffInPause = true;
        QString shownInPause;
        fakeClock().onSleep = [&](int) {
            rollsOffInPause = !b.playerRollTimer->isEnabled();
            shownInPause = b.playerRoll->text();
        };
        rollAndStop(b, c.player, c.opponent);
        // The pause shows the roll that was judged; the step's value follows it.
        if (!c.sleeps.empty()) {
            EXPECT_EQ(shownInPause, QString::number(c.player)) << c.phase;
        }
        EXPECT_EQ(b.phase, i16(c.phase));
        EXPECT_EQ(b.playerRoll->text(), QString::fromLatin1(c.shown)) << c.phase;
        EXPECT_EQ(fakeClock().sleeps, c.sleeps) << c.phase;
        EXPECT_TRUE(rollsOffInPause);
        EXPECT_TRUE(b.playerRollTimer->isEnabled());
        EXPECT_TRUE(b.opponentRollTimer->isEnabled());
        fakeClock().onSleep = {};
        forms().close(&b);
        forms().show<TownMenu>();
    }
}

// ---- Attack steps in all three phases ------------------------------------------------------

struct StepCase {
    int phase;
    int player;
    int opponent;
    int hpAfter;
    int enemyHpAfter;
    const char* message;
};

class AttackStepTest : public BattleTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(AttackStepTest, TheLoserTakesTheDifference) {
    const StepCase c = GetParam();
    BattleWindow& b = start();
    if (c.phase == 2)
        winSpeed(b);
    else if (c.phase == 3)
        drawSpeed(b);
    else
        loseSpeed(b);
    ASSERT_EQ(b.phase, i16(c.phase));
    QStringList inPause;
    fakeClock().onSleep = [&](int) {
        inPause = {b.messageLabel->text(), b.playerRoll->text(), b.opponentRoll->text()};
    };
    rollAndStop(b, c.player, c.opponent);
    fakeClock().onSleep = {};
    // While the pause lasts the message stands beside the two rolls it judged.
    EXPECT_EQ(inPause, (QStringList{QString::fromUtf8(c.message), QString::number(c.player),
                                    QString::number(c.opponent)}));
    EXPECT_EQ(b.messageLabel->text(), QString::fromUtf8(c.message));
    EXPECT_EQ(g().hp, i16(c.hpAfter));
    EXPECT_EQ(g().opponent.enemyHp, i16(c.enemyHpAfter));
    EXPECT_EQ(b.playerHp->text(), i16(c.hpAfter).str());
    EXPECT_EQ(b.opponentHp->text(), i16(c.enemyHpAfter).str());
    EXPECT_EQ(find<StatusWindow>()->hpValue->text(), i16(c.hpAfter).str());
    // Both stand: the next exchange begins after a pause.
    EXPECT_EQ(b.phase, i16(1));
    EXPECT_EQ(b.playerRoll->text(), QStringLiteral("1"));
    EXPECT_EQ(fakeClock().sleeps.back(), 1000);
    EXPECT_TRUE(b.playerRollTimer->isEnabled());
    EXPECT_TRUE(b.opponentRollTimer->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Phases, AttackStepTest,
    ::testing::Values(
        StepCase{2, 5, 3, 10, 18, "プレイヤー勝利"}, StepCase{2, 3, 5, 8, 20, "プレイヤー負け"},
        StepCase{2, 4, 4, 10, 20, "ドロー"}, StepCase{3, 5, 3, 10, 18, "プレイヤー勝利"},
        StepCase{3, 3, 5, 8, 20, "プレイヤー負け"}, StepCase{3, 4, 4, 10, 20, "ドロー"},
        StepCase{4, 5, 3, 10, 18, "プレイヤー勝利"}, // defence above attack
        StepCase{4, 3, 5, 8, 20, "プレイヤー負け"}, StepCase{4, 4, 4, 10, 20, "ドロー"}));

// ---- Keys and the close box ---------------------------------------------------------------

TEST_F(BattleTest, WWhileASkillIsInForceIsRefused) {
    BattleWindow& b = start();
    g().activeSkill = combat::kHeal;
    const int windows = forms().count();
    fakeBoxes().answer(Answer::Ok);
    QTest::keyClick(b.stopButton, Qt::Key_W, Qt::ShiftModifier);
    ASSERT_EQ(fakeBoxes().shown.size(), 1u);
    const BoxRequest& r = fakeBoxes().shown[0].request;
    EXPECT_EQ(r.text, QStringLiteral("技能を使用中です"));
    EXPECT_EQ(r.title, QStringLiteral("エラー"));
    EXPECT_EQ(r.icon, BoxIcon::Exclamation);
    EXPECT_EQ(r.buttons, BoxButtons::OK);
    EXPECT_EQ(forms().count(), windows); // nothing opened
}

TEST_F(BattleTest, TheCloseBoxIsRefusedWhateverTheState) {
    BattleWindow& b = start();
    for (int i = 0; i < 2; ++i) {
        fakeBoxes().answer(Answer::Ok);
        b.frame()->close();
        EXPECT_EQ(find<BattleWindow>(), &b);
        if (i == 0)
            rollAndStop(b, 3, 1); // into the attack step
    }
    ASSERT_EQ(fakeBoxes().shown.size(), 2u);
    for (const ShownBox& s : fakeBoxes().shown) {
        EXPECT_EQ(s.request.text, QStringLiteral("逃げるな"));
        EXPECT_EQ(s.request.title, QStringLiteral("臆病者め！"));
        EXPECT_EQ(s.request.icon, BoxIcon::Exclamation);
    }
    EXPECT_TRUE(b.playerRollTimer->isEnabled());
}

// ---- Outcome -----------------------------------------------------------------------------

TEST_F(BattleTest, ALostMatchHalvesTheMoneyAndReturnsToTown) {
    g().money = 9;
    g().hp = 2;
    g().roundNumber = 4;
    BattleWindow& b = start();
    loseSpeed(b);
    fakeBoxes().expect(QStringLiteral("負け"), Answer::Ok);
    rollAndStop(b, 1, 9);
    const BoxRequest& r = fakeBoxes().shown.at(0).request;
    EXPECT_EQ(r.title, QStringLiteral("Kobusato"));
    EXPECT_EQ(r.icon, BoxIcon::None);
    EXPECT_EQ(g().money, i16(4));
    EXPECT_EQ(g().hp, i16(1));
    EXPECT_EQ(g().roundNumber, i16(4));
    EXPECT_EQ(find<BattleWindow>(), nullptr);
    EXPECT_TRUE(find<TownMenu>()->isShown());
    EXPECT_EQ(find<StatusWindow>()->moneyValue->text(), QStringLiteral("4"));
    EXPECT_EQ(midiTrack(), track("Normal.mid"));
}

TEST_F(BattleTest, AWinGrantsPointsPrizeAndTheNextRound) {
    g().money = 9000;
    g().abilityPoints = 3;
    g().roundNumber = 1;
    BattleWindow& b = start();
    g().opponent.enemyPrizeMoney = 1000;
    g().opponent.enemyHp = 2;
    winSpeed(b);
    QString ehpDuringBox;
    fakeBoxes().answerWhile(Answer::Ok, [&] { ehpDuringBox = b.opponentHp->text(); });
    const auto midiBefore = fakeMidi().commands.size();
    rollAndStop(b, 8, 1);
    ASSERT_EQ(fakeBoxes().shown.size(), 1u); // 10000 is not above the cap
    const BoxRequest& r = fakeBoxes().shown[0].request;
    EXPECT_EQ(r.text, QStringLiteral("あなたの勝利です♪"));
    EXPECT_EQ(r.title, QStringLiteral("You won!"));
    EXPECT_EQ(r.icon, BoxIcon::Information);
    EXPECT_EQ(ehpDuringBox, QStringLiteral("0"));
    EXPECT_EQ(g().abilityPoints, i16(3)); // 2 + round 1: replaced, not added
    EXPECT_EQ(g().roundNumber, i16(2));
    EXPECT_EQ(g().money, i16(10000));
    EXPECT_EQ(find<BattleWindow>(), nullptr);
    ASSERT_NE(find<AllocationWindow>(), nullptr);
    EXPECT_TRUE(find<AllocationWindow>()->isShown());
    EXPECT_FALSE(find<TownMenu>()->isShown());
    EXPECT_EQ(fakeMidi().commands.size(), midiBefore); // the battle music plays on
}

TEST_F(BattleTest, APrizeAboveTheCapIsHalvedAfterItsMessage) {
    g().money = 9000;
    BattleWindow& b = start();
    g().opponent.enemyPrizeMoney = 1001;
    g().opponent.enemyHp = 1;
    winSpeed(b);
    fakeBoxes().answer(Answer::Ok);
    i16 moneyDuringBox;
    fakeBoxes().answerWhile(Answer::Ok, [&] { moneyDuringBox = g().money; });
    rollAndStop(b, 8, 1);
    ASSERT_EQ(fakeBoxes().shown.size(), 2u);
    const BoxRequest& r = fakeBoxes().shown[1].request;
    EXPECT_EQ(r.text, QStringLiteral("金持ちすぎ・・・・"));
    EXPECT_EQ(r.title, QStringLiteral("金持ちすぎなんじゃ！"));
    EXPECT_EQ(r.icon, BoxIcon::Exclamation);
    EXPECT_EQ(moneyDuringBox, i16(10001));
    EXPECT_EQ(g().money, i16(5000));
}

TEST_F(BattleTest, RoundNineLeadsToTheTenthRecord) {
    g().roundNumber = 9;
    BattleWindow& b = start();
    g().opponent.enemyHp = 1;
    winSpeed(b);
    fakeBoxes().autoOk = true;
    rollAndStop(b, 8, 1);
    EXPECT_EQ(g().roundNumber, i16(10));
    forms().close<AllocationWindow>();
    forms().show<TownMenu>();
    BattleWindow& next = start();
    EXPECT_EQ(g().opponent, opponentOf(10));
    EXPECT_EQ(next.title(), QStringLiteral("10回戦"));
}

TEST_F(BattleTest, TheTenthWinClearsTheGameWithoutAPrize) {
    copyEndingPictures(folder());
    g().roundNumber = 10;
    g().money = 500;
    BattleWindow& b = start();
    g().opponent.enemyHp = 1;
    winSpeed(b);
    EndingAnswer ending;
    ending.arm(Answer::Yes);
    fakeBoxes().expect(QStringLiteral("あなたの勝利です♪"), Answer::Ok);
    fakeBoxes().expect(QStringLiteral("ゲームクリアー"), Answer::Ok);
    rollAndStop(b, 8, 1);
    const BoxRequest& r = fakeBoxes().shown.at(1).request;
    EXPECT_EQ(r.title, QStringLiteral("Kobusato"));
    EXPECT_EQ(r.icon, BoxIcon::None);
    EXPECT_EQ(find<EndingWindow>(), nullptr);
    EXPECT_EQ(find<BattleWindow>(), nullptr);
    EXPECT_TRUE(trace().contains(QStringLiteral("box:ゲームクリアー")));
    if (ending.asked) {
        // Yes to the ending's question: a new game from name entry.
        EXPECT_EQ(g().roundNumber, i16(1));
        EXPECT_TRUE(g().playerName.isEmpty());
    } else {
        EXPECT_EQ(g().roundNumber, i16(10));
        EXPECT_EQ(g().money, i16(500));
        EXPECT_EQ(g().abilityPoints, i16(12)); // the reward of round 10, nothing else
    }
}

// ---- A match that fails is given up -------------------------------------------------------------

TEST_F(BattleTest, AnOverflowInAnExchangeAbandonsTheMatch) {
    BattleWindow& b = start();
    g().activeSkill = combat::kHeal;
    g().hp = 32760;
    g().maxHp = 32767;
    g().speed = 3;
    g().skillBackup = 7;
    rollAndStop(b, 3, 1); // Heal stays in force for the attack step
    opponentTick(b, 1, true);
    playerTick(b, 8);
    fakeBoxes().answer(Answer::Ok);
    pressStop(b); // 32760 + 2 * 7 leaves 16 bits
    ASSERT_EQ(fakeBoxes().shown.size(), 1u);
    EXPECT_TRUE(fakeBoxes().shown[0].request.text.contains(QStringLiteral("オーバーフロー")));
    EXPECT_EQ(find<BattleWindow>(), nullptr);
    EXPECT_TRUE(find<TownMenu>()->isShown());
    EXPECT_EQ(midiTrack(), track("Normal.mid"));
    // Put back as the press found it, and the skill given up with the match.
    EXPECT_EQ(g().hp, i16(32760));
    EXPECT_EQ(g().speed, i16(7));
    EXPECT_EQ(g().activeSkill, i16(0));
}
