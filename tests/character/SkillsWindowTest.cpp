// The skills window: which buttons its load enables, the purchase and re-use
// flows with their checks in order, and what an activation does.
#include "character/SkillsWindow.h"
#include "battle/Combat.h"
#include "character/StatusWindow.h"
#include "platform/Services.h"
#include "support/GameTest.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace kobu;
using namespace platform;
using namespace testing_support;

namespace {

class SkillsTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        g().playerName = QStringLiteral("たろう");
        g().money = 5000;
        g().hp = 20;
        g().maxHp = 20;
        g().skillMenuPhase = 1;
        g().enemyRollStopped = kFalse;
        g().activeSkill = 0;
        forms().show<StatusWindow>();
    }
    SkillsWindow& open() { return forms().show<SkillsWindow>(); }
    void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    void expectPrompt(const QString& text, Answer answer) { fakeBoxes().expect(text, answer); }
    void checkLastBox(const QString& title, BoxIcon icon, BoxButtons buttons) {
        ASSERT_FALSE(fakeBoxes().shown.empty());
        const BoxRequest& r = fakeBoxes().shown.back().request;
        EXPECT_EQ(r.title, title) << r.text.toStdString();
        EXPECT_EQ(r.icon, icon) << r.text.toStdString();
        EXPECT_EQ(r.buttons, buttons) << r.text.toStdString();
    }
    void expectRefusal(QPushButton* b, const QString& text) {
        const GameState before = g();
        fakeBoxes().expect(text, Answer::Ok);
        click(b);
        checkLastBox(QStringLiteral("エラー"), BoxIcon::Exclamation, BoxButtons::OK);
        EXPECT_EQ(g(), before) << text.toStdString();
        EXPECT_NE(find<SkillsWindow>(), nullptr);
    }
};

} // namespace

// Which skill is offered in which step is the rules' affair; the window
// puts each answer on its own button once, at its load.
TEST_F(SkillsTest, TheLoadEnablesTheButtonsOnce) {
    g().enemyRollStopped = kTrue;
    SkillsWindow& w = open();
    EXPECT_TRUE(w.speedSecretButton->isEnabled());
    EXPECT_FALSE(w.spiritAttackButton->isEnabled());
    EXPECT_TRUE(w.energyBoostButton->isEnabled());
    EXPECT_FALSE(w.healButton->isEnabled());
    // Showing it again decides nothing anew.
    g().skillMenuPhase = 3;
    g().enemyRollStopped = kFalse;
    EXPECT_EQ(&open(), &w);
    EXPECT_TRUE(w.speedSecretButton->isEnabled());
    EXPECT_FALSE(w.spiritAttackButton->isEnabled());
}

TEST_F(SkillsTest, RefusalsAreToldAndChangeNothing) {
    g().money = 449;
    g().hp = 2;
    SkillsWindow& w = open();
    expectRefusal(w.speedSecretButton, QStringLiteral("所持金不足"));
    g().hasSpeedSecret = kTrue;
    expectRefusal(w.speedSecretButton, QStringLiteral("HP不足"));
}

TEST_F(SkillsTest, ALearntSkillNeedsNoMoney) {
    g().money = 449;
    g().hp = 5;
    g().hasSpeedSecret = kTrue;
    SkillsWindow& w = open();
    expectPrompt(QStringLiteral("You need four HPs.よろしいですか"), Answer::Yes);
    click(w.speedSecretButton);
    checkLastBox(QStringLiteral("確認"), BoxIcon::Question, BoxButtons::YesNo);
    EXPECT_EQ(g().hp, i16(1));
    EXPECT_EQ(g().money, i16(449));
    EXPECT_EQ(g().activeSkill, i16(combat::kSpeedSecret));
    EXPECT_EQ(find<SkillsWindow>(), nullptr);
}

TEST_F(SkillsTest, BuyingSecretOfSpeed) {
    g().money = 500;
    g().hp = 10;
    g().speedRollStep = 0;
    SkillsWindow& w = open();
    expectPrompt(QStringLiteral("450Gと4HP必要です"), Answer::Yes);
    click(w.speedSecretButton);
    checkLastBox(QStringLiteral("確認"), BoxIcon::Question, BoxButtons::YesNo);
    EXPECT_EQ(g().money, i16(50));
    EXPECT_EQ(g().hp, i16(6));
    EXPECT_EQ(g().hasSpeedSecret, i16(kTrue));
    EXPECT_EQ(g().activeSkill, i16(1));
    EXPECT_EQ(g().speedRollStep, i16(1));
    EXPECT_EQ(find<SkillsWindow>(), nullptr);
    EXPECT_EQ(find<StatusWindow>()->hpValue->text(), QStringLiteral("6"));
    EXPECT_EQ(find<StatusWindow>()->moneyValue->text(), QStringLiteral("50"));
}

TEST_F(SkillsTest, NoToAPurchaseChangesNothing) {
    SkillsWindow& w = open();
    const GameState before = g();
    for (auto [button, prompt] : {std::pair{w.speedSecretButton, "450Gと4HP必要です"},
                                  std::pair{w.spiritAttackButton, "400Gと5HP必要です"},
                                  std::pair{w.energyBoostButton, "1200G必要です"},
                                  std::pair{w.healButton, "600Gと1HP必要です"}}) {
        expectPrompt(QString::fromUtf8(prompt), Answer::No);
        click(button);
        checkLastBox(QStringLiteral("確認"), BoxIcon::Question, BoxButtons::YesNo);
    }
    EXPECT_EQ(g(), before);
    EXPECT_NE(find<SkillsWindow>(), nullptr);
}

TEST_F(SkillsTest, ALearntEnergyBoostIsAskedPlainlyOutsideTheSpeedContest) {
    g().skillMenuPhase = 3; // an attack step
    g().hasEnergyBoost = kTrue;
    g().speed = 7;
    expectPrompt(QStringLiteral("よろしいですか"), Answer::Yes);
    click(open().energyBoostButton);
    EXPECT_EQ(g().money, i16(5000));
    EXPECT_EQ(g().attackA, i16(16));
    EXPECT_EQ(g().activeSkill, i16(combat::kEnergyBoost));
    EXPECT_EQ(find<SkillsWindow>(), nullptr);
    EXPECT_EQ(find<StatusWindow>()->hpValue->text(), QStringLiteral("1"));
}

TEST_F(SkillsTest, AReuseOutsideTheSpeedContestIsAskedButDoesNothing) {
    g().hasHeal = kTrue;
    SkillsWindow& w = open(); // opened in the speed contest: the button is enabled
    g().skillMenuPhase = 2;   // W pressed again in the attack step
    expectPrompt(QStringLiteral("You need one HP.よろしいですか"), Answer::Yes);
    const GameState before = g();
    click(w.healButton);
    EXPECT_EQ(g(), before);
    EXPECT_NE(find<SkillsWindow>(), nullptr);
    // Unlearnt, outside the speed contest: the re-use prompt, and nothing.
    expectPrompt(QStringLiteral("You need four HPs.よろしいですか"), Answer::Yes);
    click(w.speedSecretButton);
    EXPECT_EQ(g(), before);
}

TEST_F(SkillsTest, BackspaceClosesWithNothingBoughtAndTheNextOpeningIsFresh) {
    SkillsWindow& w = open();
    const GameState before = g();
    QTest::keyClick(w.speedSecretButton, Qt::Key_Backspace);
    EXPECT_EQ(find<SkillsWindow>(), nullptr);
    EXPECT_EQ(g(), before);
    EXPECT_TRUE(fakeBoxes().shown.empty());
    settle();
    g().enemyRollStopped = kTrue;
    SkillsWindow& again = open();
    EXPECT_FALSE(again.spiritAttackButton->isEnabled()); // decided by this load
    QTest::keyClick(again.energyBoostButton, Qt::Key_W); // other keys do nothing
    EXPECT_EQ(find<SkillsWindow>(), &again);
    again.frame()->close(); // no close guard
    EXPECT_EQ(find<SkillsWindow>(), nullptr);
}

TEST_F(SkillsTest, AnOverflowingActivationIsUndone) {
    g().attackA = 20000;
    g().hasEnergyBoost = kTrue;
    const GameState before = g();
    expectPrompt(QStringLiteral("よろしいですか"), Answer::Yes);
    fakeBoxes().answer(Answer::Ok); // the error
    click(open().energyBoostButton);
    EXPECT_EQ(g(), before);
    EXPECT_EQ(find<SkillsWindow>(), nullptr);
}
