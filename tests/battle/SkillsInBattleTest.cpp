// Each skill bought in a match through W and the skills window, and its effect
// seen in the exchange that follows.
#include "battle/BattleSupport.h"
#include "character/SkillsWindow.h"
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
    SkillsWindow& pressW(BattleWindow& b) {
        QTest::keyClick(b.stopButton, Qt::Key_W);
        SkillsWindow* w = find<SkillsWindow>();
        EXPECT_NE(w, nullptr);
        return *w;
    }
    void buy(QPushButton* button, const QString& prompt) {
        fakeBoxes().expect(prompt, Answer::Yes);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(find<SkillsWindow>(), nullptr);
    }
};

} // namespace

TEST_F(SkillsInBattleTest, WOpensTheSkillsWindowWhileTheRollsRun) {
    BattleWindow& b = start();
    SkillsWindow& w = pressW(b);
    EXPECT_EQ(g().skillMenuPhase, i16(1));
    EXPECT_TRUE(w.isShown());
    EXPECT_TRUE(b.playerRollTimer->isEnabled());
    EXPECT_TRUE(b.opponentRollTimer->isEnabled());
    // Again while it is open: shown, not loaded afresh.
    opponentTick(b, 2, true);
    EXPECT_EQ(&pressW(b), &w);
    EXPECT_TRUE(w.spiritAttackButton->isEnabled());
}

TEST_F(SkillsInBattleTest, WInAnAttackStepOffersEnergyBoostOnly) {
    BattleWindow& b = start();
    loseSpeed(b);
    SkillsWindow& w = pressW(b);
    EXPECT_EQ(g().skillMenuPhase, i16(4));
    EXPECT_FALSE(w.speedSecretButton->isEnabled());
    EXPECT_FALSE(w.spiritAttackButton->isEnabled());
    EXPECT_TRUE(w.energyBoostButton->isEnabled());
    EXPECT_FALSE(w.healButton->isEnabled());
}

TEST_F(SkillsInBattleTest, SecretOfSpeedJudgesTheBetterOfTwoRolls) {
    g().money = 500;
    g().speed = 8;
    BattleWindow& b = start();
    buy(pressW(b).speedSecretButton, QStringLiteral("450Gと4HP必要です"));
    EXPECT_EQ(b.playerHp->text(), QStringLiteral("6"));
    rollAndStop(b, 6, 1);
    EXPECT_EQ(b.messageLabel->text(), QStringLiteral("1回目6"));
    EXPECT_EQ(b.phase, i16(1)); // both sides roll their speed again
    EXPECT_TRUE(fakeClock().sleeps.empty());
    QString msgOnPause, rollAfterPause;
    fakeClock().onSleep = [&](int) {
        if (msgOnPause.isEmpty())
            msgOnPause = b.messageLabel->text();
    };
    rollAndStop(b, 2, 5);
    EXPECT_EQ(msgOnPause, QStringLiteral("1回目6\n2回目2"));
    // Judged with the 6 put back, not the 2: a win against 5.
    EXPECT_EQ(b.messageLabel->text(), QStringLiteral("スピード勝ち"));
    EXPECT_EQ(g().activeSkill, i16(0));
    EXPECT_EQ(g().speedRollStep, i16(1));
}

TEST_F(SkillsInBattleTest, SpiritAttackDoublesAttackAForTheStepAfterASpeedWin) {
    g().money = 400;
    g().speed = 7;
    BattleWindow& b = start();
    g().opponent.enemyHp = 40;
    buy(pressW(b).spiritAttackButton, QStringLiteral("400Gと5HP必要です"));
    EXPECT_EQ(b.playerSpeed->text(), QStringLiteral("3"));
    winSpeed(b); // 3 against 1
    EXPECT_EQ(b.playerAttackA->text(), QStringLiteral("16"));
    rollAndStop(b, 16, 1);
    EXPECT_EQ(g().opponent.enemyHp, i16(25));
    EXPECT_EQ(b.playerAttackA->text(), QStringLiteral("8"));
    EXPECT_EQ(b.playerSpeed->text(), QStringLiteral("7"));
}

TEST_F(SkillsInBattleTest, EnergyBoostLeavesThreeHpAfterTheNextStep) {
    g().money = 1200;
    BattleWindow& b = start();
    loseSpeed(b);
    buy(pressW(b).energyBoostButton, QStringLiteral("1200G必要です"));
    EXPECT_EQ(b.playerHp->text(), QStringLiteral("1"));
    EXPECT_EQ(b.playerDefenseA->text(), QStringLiteral("10"));
    rollAndStop(b, 2, 9); // a loss of 7 from 1 hp
    EXPECT_EQ(g().hp, i16(3));
    EXPECT_EQ(b.playerHp->text(), QStringLiteral("3"));
    EXPECT_EQ(b.playerDefenseA->text(), QStringLiteral("5"));
    EXPECT_NE(find<BattleWindow>(), nullptr); // still standing
}

TEST_F(SkillsInBattleTest, HealHealsInPlaceOfDamage) {
    g().money = 600;
    g().maxHp = 30;
    g().hp = 12;
    BattleWindow& b = start();
    buy(pressW(b).healButton, QStringLiteral("600Gと1HP必要です"));
    EXPECT_EQ(g().hp, i16(11));
    winSpeed(b); // speed 2 against 1
    rollAndStop(b, 8, 2);
    EXPECT_EQ(g().hp, i16(23)); // 11 + 2 * 6
    EXPECT_EQ(b.playerHp->text(), QStringLiteral("23"));
    EXPECT_EQ(g().opponent.enemyHp, i16(20));
    EXPECT_EQ(b.playerSpeed->text(), QStringLiteral("5"));
}

TEST_F(SkillsInBattleTest, ALearntSkillIsUsedAgainNextMatchWithoutMoney) {
    g().money = 450;
    BattleWindow& b = start();
    buy(pressW(b).speedSecretButton, QStringLiteral("450Gと4HP必要です"));
    EXPECT_EQ(g().money, i16(0));
    // The match ends: lost in the opponent attack step.
    rollAndStop(b, 1, 1); // first roll
    rollAndStop(b, 1, 5); // second: a speed loss
    g().hp = 1;
    fakeBoxes().expect(QStringLiteral("負け"), Answer::Ok);
    rollAndStop(b, 1, 9);
    ASSERT_EQ(find<BattleWindow>(), nullptr);

    g().hp = 10;
    BattleWindow& next = start();
    buy(pressW(next).speedSecretButton, QStringLiteral("You need four HPs.よろしいですか"));
    EXPECT_EQ(g().money, i16(0));
    EXPECT_EQ(g().hp, i16(6));
    EXPECT_EQ(g().activeSkill, i16(1));
}

TEST_F(SkillsInBattleTest, AnOverflowingRollGivesUpTheMatch) {
    BattleWindow& b = start();
    pressW(b);
    g().attackA = 32767;
    g().attackB = -1;
    winSpeed(b);
    bool rollsStopped = false;
    fakeBoxes().answerWhile(Answer::Ok, [&] {
        rollsStopped = !b.playerRollTimer->isEnabled() && !b.opponentRollTimer->isEnabled();
    });
    b.playerRollTimer->fire(); // the first tick of the attack step overflows
    EXPECT_TRUE(rollsStopped); // no tick runs behind the error box
    EXPECT_EQ(find<BattleWindow>(), nullptr);
    EXPECT_EQ(find<SkillsWindow>(), nullptr);
    EXPECT_TRUE(find<TownMenu>()->isShown());
    EXPECT_EQ(midiTrack(), track("Normal.mid"));
}
