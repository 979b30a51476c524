// Each skill bought in a match through W and the skills window, and its effect
// seen in the exchange that follows.
#include "battle/BattleSupport.h"
#include "character/FGinou.h"
#include "platform/Services.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace kobu;
using namespace platform;
using namespace testing_support;
using namespace battle_support;

namespace {

class SkillsInBattleTest : public BattleFixture {
  protected:
    FGinou& pressW(FBattle& b) {
        QTest::keyClick(b.Command1, Qt::Key_W);
        FGinou* w = find<FGinou>();
        EXPECT_NE(w, nullptr);
        return *w;
    }
    void buy(QPushButton* button, const QString& prompt) {
        fakeBoxes().expect(prompt, vbYes);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(find<FGinou>(), nullptr);
    }
};

} // namespace

TEST_F(SkillsInBattleTest, WOpensTheSkillsWindowWhileTheRollsRun) {
    FBattle& b = start();
    FGinou& w = pressW(b);
    EXPECT_EQ(g().skillMenuPhase, i16(1));
    EXPECT_TRUE(w.isShown());
    EXPECT_TRUE(b.TimerBa->isEnabled());
    EXPECT_TRUE(b.TimerE->isEnabled());
    // Again while it is open: shown, not loaded afresh.
    opponentTick(b, 2, true);
    EXPECT_EQ(&pressW(b), &w);
    EXPECT_TRUE(w.Command2->isEnabled());
}

TEST_F(SkillsInBattleTest, WInAnAttackStepOffersEnergyBoostOnly) {
    FBattle& b = start();
    loseSpeed(b);
    FGinou& w = pressW(b);
    EXPECT_EQ(g().skillMenuPhase, i16(4));
    EXPECT_FALSE(w.Command1->isEnabled());
    EXPECT_FALSE(w.Command2->isEnabled());
    EXPECT_TRUE(w.Command3->isEnabled());
    EXPECT_FALSE(w.Command4->isEnabled());
}

TEST_F(SkillsInBattleTest, SecretOfSpeedJudgesTheBetterOfTwoRolls) {
    g().money = 500;
    g().speed = 8;
    FBattle& b = start();
    buy(pressW(b).Command1, QStringLiteral("450Gと4HP必要です"));
    EXPECT_EQ(b.BaHP->text(), QStringLiteral("6"));
    rollAndStop(b, 6, 1);
    EXPECT_EQ(b.LaMsg->text(), QStringLiteral("1回目6"));
    EXPECT_EQ(b.phase, i16(1)); // both sides roll their speed again
    EXPECT_TRUE(fakeClock().sleeps.empty());
    QString msgOnPause, rollAfterPause;
    fakeClock().onSleep = [&](int) {
        if (msgOnPause.isEmpty())
            msgOnPause = b.LaMsg->text();
    };
    rollAndStop(b, 2, 5);
    EXPECT_EQ(msgOnPause, QStringLiteral("1回目6\n2回目2"));
    // Judged with the 6 put back, not the 2: a win against 5.
    EXPECT_EQ(b.LaMsg->text(), QStringLiteral("スピード勝ち"));
    EXPECT_EQ(g().activeSkill, i16(0));
    EXPECT_EQ(g().speedRollStep, i16(1));
}

TEST_F(SkillsInBattleTest, SpiritAttackDoublesAttackAForTheStepAfterASpeedWin) {
    g().money = 400;
    g().speed = 7;
    FBattle& b = start();
    g().opponent.enemyHp = 40;
    buy(pressW(b).Command2, QStringLiteral("400Gと5HP必要です"));
    EXPECT_EQ(b.BaSpeed->text(), QStringLiteral("3"));
    winSpeed(b); // 3 against 1
    EXPECT_EQ(b.BaKouA->text(), QStringLiteral("16"));
    rollAndStop(b, 16, 1);
    EXPECT_EQ(g().opponent.enemyHp, i16(25));
    EXPECT_EQ(b.BaKouA->text(), QStringLiteral("8"));
    EXPECT_EQ(b.BaSpeed->text(), QStringLiteral("7"));
}

TEST_F(SkillsInBattleTest, EnergyBoostLeavesThreeHpAfterTheNextStep) {
    g().money = 1200;
    FBattle& b = start();
    loseSpeed(b);
    buy(pressW(b).Command3, QStringLiteral("1200G必要です"));
    EXPECT_EQ(b.BaHP->text(), QStringLiteral("1"));
    EXPECT_EQ(b.BaBouA->text(), QStringLiteral("10"));
    rollAndStop(b, 2, 9); // a loss of 7 from 1 hp
    EXPECT_EQ(g().hp, i16(3));
    EXPECT_EQ(b.BaHP->text(), QStringLiteral("3"));
    EXPECT_EQ(b.BaBouA->text(), QStringLiteral("5"));
    EXPECT_NE(find<FBattle>(), nullptr); // still standing
}

TEST_F(SkillsInBattleTest, HealHealsInPlaceOfDamage) {
    g().money = 600;
    g().maxHp = 30;
    g().hp = 12;
    FBattle& b = start();
    buy(pressW(b).Command4, QStringLiteral("600Gと1HP必要です"));
    EXPECT_EQ(g().hp, i16(11));
    winSpeed(b); // speed 2 against 1
    rollAndStop(b, 8, 2);
    EXPECT_EQ(g().hp, i16(23)); // 11 + 2 * 6
    EXPECT_EQ(b.BaHP->text(), QStringLiteral("23"));
    EXPECT_EQ(g().opponent.enemyHp, i16(20));
    EXPECT_EQ(b.BaSpeed->text(), QStringLiteral("5"));
}

TEST_F(SkillsInBattleTest, ALearntSkillIsUsedAgainNextMatchWithoutMoney) {
    g().money = 450;
    FBattle& b = start();
    buy(pressW(b).Command1, QStringLiteral("450Gと4HP必要です"));
    EXPECT_EQ(g().money, i16(0));
    // The match ends: lost in the opponent attack step.
    rollAndStop(b, 1, 1); // first roll
    rollAndStop(b, 1, 5); // second: a speed loss
    g().hp = 1;
    fakeBoxes().expect(QStringLiteral("負け"), vbOK);
    rollAndStop(b, 1, 9);
    ASSERT_EQ(find<FBattle>(), nullptr);

    g().hp = 10;
    FBattle& next = start();
    buy(pressW(next).Command1, QStringLiteral("You need four HPs.よろしいですか"));
    EXPECT_EQ(g().money, i16(0));
    EXPECT_EQ(g().hp, i16(6));
    EXPECT_EQ(g().activeSkill, i16(1));
}

TEST_F(SkillsInBattleTest, AnOverflowingRollGivesUpTheMatch) {
    FBattle& b = start();
    pressW(b);
    g().attackA = 32767;
    g().attackB = -1;
    winSpeed(b);
    bool rollsStopped = false;
    fakeBoxes().answerWhile(
        vbOK, [&] { rollsStopped = !b.TimerBa->isEnabled() && !b.TimerE->isEnabled(); });
    b.TimerBa->fire();         // the first tick of the attack step overflows
    EXPECT_TRUE(rollsStopped); // no tick runs behind the error box
    EXPECT_EQ(find<FBattle>(), nullptr);
    EXPECT_EQ(find<FGinou>(), nullptr);
    EXPECT_TRUE(find<Menu>()->isShown());
    EXPECT_EQ(midiTrack(), track("Normal.mid"));
}
