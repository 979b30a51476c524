// Ability allocation through its real buttons: presses with the left, right and
// middle mouse buttons, the limits, pair rules and floor rule, and OK.
#include "character/AllocationWindow.h"
#include "app/TownMenu.h"
#include "character/StatusWindow.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include "support/GameTest.h"

#include <QLabel>
#include <QTest>

using namespace kobu;
using namespace platform;
using namespace testing_support;

namespace {

class AllocationTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        g().playerName = QStringLiteral("たろう");
        g().abilityPoints = 5;
        forms().show<StatusWindow>();
        forms().show<TownMenu>();
        forms().hide<TownMenu>();
    }

    AllocationWindow& open() {
        trace().clear();
        return forms().show<AllocationWindow>();
    }
    void left(MousePressButton* b) { QTest::mouseClick(b, Qt::LeftButton); }
    void right(MousePressButton* b) { QTest::mouseClick(b, Qt::RightButton); }
    void middle(MousePressButton* b) { QTest::mouseClick(b, Qt::MiddleButton); }
    // The press is refused with `text`; nothing else may change.
    void expectRefused(AllocationWindow& w, MousePressButton* b, Qt::MouseButton which, const QLabel* ato,
                       const QString& text) {
        const QString before = ato->text();
        const QString remaining = w.pointsLeft->text();
        const i16 used = w.draft.used;
        fakeBoxes().expect(text, vbOK);
        QTest::mouseClick(b, which);
        EXPECT_EQ(ato->text(), before) << text.toStdString();
        EXPECT_EQ(w.pointsLeft->text(), remaining) << text.toStdString();
        EXPECT_EQ(w.draft.used, used) << text.toStdString();
        const BoxRequest& r = fakeBoxes().shown.back().request;
        EXPECT_EQ(r.title, QStringLiteral("エラー"));
        EXPECT_EQ(r.icon, BoxIcon::Exclamation);
        EXPECT_EQ(r.buttons, BoxButtons::OK);
    }
};

} // namespace

TEST_F(AllocationTest, LoadShowsEveryRowTwiceAndThePoints) {
    g().maxHp = 14;
    g().hp = 3;
    g().speed = 6;
    AllocationWindow& w = open();
    EXPECT_EQ(w.title(), QStringLiteral("能力値振り分け"));
    EXPECT_TRUE(w.isShown());
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("5"));
    EXPECT_EQ(w.currentHp->text(), QStringLiteral("14")); // the maximum, not the current hp
    EXPECT_EQ(w.resultHp->text(), QStringLiteral("14"));
    EXPECT_EQ(w.currentAttackA->text(), QStringLiteral("8"));
    EXPECT_EQ(w.resultAttackB->text(), QStringLiteral("2"));
    EXPECT_EQ(w.currentDefenseA->text(), QStringLiteral("5"));
    EXPECT_EQ(w.resultDefenseB->text(), QStringLiteral("1"));
    EXPECT_EQ(w.resultSpeed->text(), QStringLiteral("6"));
    EXPECT_EQ(w.hpButton->text(), QStringLiteral("↑↓"));
    EXPECT_EQ(w.okButton->text(), QStringLiteral("ＯＫ！"));
}

TEST_F(AllocationTest, LeftRaisesRightTakesBackOnePointEach) {
    AllocationWindow& w = open();
    left(w.hpButton);
    left(w.hpButton);
    left(w.speedButton);
    EXPECT_EQ(w.resultHp->text(), QStringLiteral("12"));
    EXPECT_EQ(w.resultSpeed->text(), QStringLiteral("6"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("2"));
    right(w.hpButton);
    EXPECT_EQ(w.resultHp->text(), QStringLiteral("11"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("3"));
    EXPECT_EQ(w.currentHp->text(), QStringLiteral("10"));
    EXPECT_TRUE(fakeBoxes().shown.empty());
    EXPECT_EQ(g().maxHp, i16(10)); // nothing is written before OK
}

TEST_F(AllocationTest, WithoutPointsLeftPressesAreRefusedRightPressesRun) {
    g().abilityPoints = 0;
    AllocationWindow& w = open();
    for (MousePressButton* b : {w.hpButton, w.attackAButton, w.speedButton})
        expectRefused(w, b, Qt::LeftButton, w.resultHp, QStringLiteral("ポイントを使い切っています"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("0"));
    EXPECT_EQ(w.resultAttackA->text(), QStringLiteral("8"));
    // A right press still runs, and the floor puts the value back.
    fakeBoxes().expect(QStringLiteral("現在値を下回っています"), vbOK);
    right(w.speedButton);
    EXPECT_EQ(w.resultSpeed->text(), QStringLiteral("5"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("0"));
    expectRefused(w, w.hpButton, Qt::MiddleButton, w.resultHp,
                  QStringLiteral("ポイントを使い切っています"));
}

TEST_F(AllocationTest, TheFloorUndoesALoweringBelowTheEntryValue) {
    AllocationWindow& w = open();
    for (MousePressButton* b : {w.hpButton, w.attackAButton, w.attackBButton, w.defenseBButton, w.speedButton}) {
        const QString remaining = w.pointsLeft->text();
        fakeBoxes().expect(QStringLiteral("現在値を下回っています"), vbOK);
        right(b);
        EXPECT_EQ(w.pointsLeft->text(), remaining) << b->objectName().toStdString();
        EXPECT_EQ(w.draft.used, i16(0));
    }
    EXPECT_EQ(w.resultAttackA->text(), QStringLiteral("8"));
    EXPECT_EQ(w.resultDefenseB->text(), QStringLiteral("1"));
    // Defence A 5 over B 1 is already the narrowest pair: the pair rule
    // refuses before the floor is reached.
    expectRefused(w, w.defenseAButton, Qt::RightButton, w.resultDefenseA, QStringLiteral("これ以上さげられません"));
}

struct LimitCase {
    const char* button;
    i16 GameState::*field;
    int limit;
};

class LimitTest : public AllocationTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LimitTest, OneStepPastTheLimitThenTheRowIsFixed) {
    const LimitCase c = GetParam();
    // Partners far enough apart for the pair rules to stay out of the way.
    g().attackA = 40;
    g().attackB = 30;
    g().defenseA = 35;
    g().defenseB = 22;
    g().speed = 12;
    g().*c.field = c.limit;
    if (c.field == &GameState::attackB)
        g().attackA = 41;
    if (c.field == &GameState::defenseB)
        g().defenseA = 36;
    if (c.field == &GameState::attackA)
        g().attackB = 20;
    if (c.field == &GameState::defenseA)
        g().defenseB = 10;
    AllocationWindow& w = open();
    auto* b = w.findChild<MousePressButton*>(QString::fromLatin1(c.button));
    ASSERT_NE(b, nullptr);
    const QString atoName = QStringLiteral("Ato") + QString::fromLatin1(c.button).left(2);
    auto* ato = w.findChild<QLabel*>(atoName);
    ASSERT_NE(ato, nullptr) << atoName.toStdString();
    left(b);
    EXPECT_EQ(ato->text(), QString::number(c.limit + 1));
    for (Qt::MouseButton which : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        expectRefused(w, b, which, ato, QStringLiteral("上限です"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("4"));
}

INSTANTIATE_TEST_SUITE_P(Rows, LimitTest,
                         ::testing::Values(LimitCase{"AAUP", &GameState::attackA, 40},
                                           LimitCase{"ABUP", &GameState::attackB, 30},
                                           LimitCase{"DAUP", &GameState::defenseA, 35},
                                           LimitCase{"DBUP", &GameState::defenseB, 22},
                                           LimitCase{"SPUP", &GameState::speed, 12}));

TEST_F(AllocationTest, AValueThatEntersAboveItsLimitCannotChange) {
    g().attackA = 50; // after power-up items
    AllocationWindow& w = open();
    for (Qt::MouseButton which : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        expectRefused(w, w.attackAButton, which, w.resultAttackA, QStringLiteral("上限です"));
}

TEST_F(AllocationTest, TheHpRowHasNoLimit) {
    g().maxHp = 500;
    AllocationWindow& w = open();
    left(w.hpButton);
    EXPECT_EQ(w.resultHp->text(), QStringLiteral("501"));
    EXPECT_TRUE(fakeBoxes().shown.empty());
}

TEST_F(AllocationTest, PairRulesAtTheStartValues) {
    AllocationWindow& w = open();
    // Defence B cannot rise until defence A has.
    expectRefused(w, w.defenseBButton, Qt::LeftButton, w.resultDefenseB, QStringLiteral("これ以上あげられません"));
    left(w.defenseAButton);
    left(w.defenseBButton);
    EXPECT_EQ(w.resultDefenseB->text(), QStringLiteral("2"));
    expectRefused(w, w.defenseBButton, Qt::LeftButton, w.resultDefenseB, QStringLiteral("これ以上あげられません"));
    // Attack B rises to 4 beside attack A 8, and no further.
    left(w.attackBButton);
    left(w.attackBButton);
    EXPECT_EQ(w.resultAttackB->text(), QStringLiteral("4"));
    expectRefused(w, w.attackBButton, Qt::LeftButton, w.resultAttackB, QStringLiteral("これ以上あげられません"));
    // And attack A cannot come down toward it.
    expectRefused(w, w.attackAButton, Qt::RightButton, w.resultAttackA, QStringLiteral("これ以上下げられません"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("1"));
}

TEST_F(AllocationTest, WideningTheGapIsNeverRefused) {
    g().attackB = 4; // both pairs at the narrowest gap, 4
    AllocationWindow& w = open();
    left(w.attackAButton);  // raising A widens
    left(w.attackBButton);  // gap 5: one more step of B is allowed
    right(w.attackBButton); // lowering B widens: B rows only check left presses
    left(w.defenseAButton);
    EXPECT_TRUE(fakeBoxes().shown.empty());
    EXPECT_EQ(w.resultAttackA->text(), QStringLiteral("9"));
    EXPECT_EQ(w.resultAttackB->text(), QStringLiteral("4"));
    EXPECT_EQ(w.resultDefenseA->text(), QStringLiteral("6"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("3"));
}

TEST_F(AllocationTest, AMiddlePressNeedsAPointLowersAndIgnoresThePair) {
    g().attackB = 5; // attack A 8: the gap is 3, a right press on A is refused
    AllocationWindow& w = open();
    left(w.attackAButton); // 9, one point used
    expectRefused(w, w.attackAButton, Qt::RightButton, w.resultAttackA, QStringLiteral("これ以上下げられません"));
    middle(w.attackAButton);
    EXPECT_EQ(w.resultAttackA->text(), QStringLiteral("8"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("5"));
    // At the entry value the floor still applies.
    fakeBoxes().expect(QStringLiteral("現在値を下回っています"), vbOK);
    middle(w.attackAButton);
    EXPECT_EQ(w.resultAttackA->text(), QStringLiteral("8"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("5"));
}

TEST_F(AllocationTest, TheKeyboardCannotPressARowButton) {
    AllocationWindow& w = open();
    w.hpButton->setFocus();
    QTest::keyClick(w.hpButton, Qt::Key_Space);
    w.speedButton->click();
    EXPECT_EQ(w.resultHp->text(), QStringLiteral("10"));
    EXPECT_EQ(w.resultSpeed->text(), QStringLiteral("5"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("5"));
}

TEST_F(AllocationTest, TheCloseBoxDoesNothing) {
    AllocationWindow& w = open();
    w.frame()->close();
    EXPECT_EQ(find<AllocationWindow>(), &w);
    EXPECT_TRUE(fakeBoxes().shown.empty());
}

TEST_F(AllocationTest, NoToTheConfirmationKeepsEverything) {
    AllocationWindow& w = open();
    left(w.attackAButton);
    fakeBoxes().expect(QStringLiteral("これでよろしいですか？"), vbNo);
    QTest::mouseClick(w.okButton, Qt::LeftButton);
    const BoxRequest& r = fakeBoxes().shown.at(0).request;
    EXPECT_EQ(r.title, QStringLiteral("お～け～？"));
    EXPECT_EQ(r.icon, BoxIcon::Question);
    EXPECT_EQ(r.buttons, BoxButtons::YesNo);
    EXPECT_EQ(find<AllocationWindow>(), &w);
    EXPECT_EQ(w.resultAttackA->text(), QStringLiteral("9"));
    EXPECT_EQ(g().attackA, i16(8));
    EXPECT_FALSE(find<TownMenu>()->isShown());
}

TEST_F(AllocationTest, YesWritesTheResultsAndReturnsToTown) {
    g().hp = 4;
    AllocationWindow& w = open();
    left(w.hpButton);
    left(w.hpButton);
    left(w.attackAButton);
    left(w.defenseAButton);
    left(w.speedButton); // all five points
    fakeBoxes().answer(vbYes);
    QTest::mouseClick(w.okButton, Qt::LeftButton);
    EXPECT_EQ(g().maxHp, i16(12));
    EXPECT_EQ(g().hp, i16(4)); // raising the maximum does not heal
    EXPECT_EQ(g().attackA, i16(9));
    EXPECT_EQ(g().attackB, i16(2));
    EXPECT_EQ(g().defenseA, i16(6));
    EXPECT_EQ(g().defenseB, i16(1));
    EXPECT_EQ(g().speed, i16(6));
    EXPECT_EQ(find<StatusWindow>()->maxHpValue->text(), QStringLiteral("12"));
    EXPECT_EQ(find<StatusWindow>()->speedValue->text(), QStringLiteral("6"));
    EXPECT_EQ(find<AllocationWindow>(), nullptr);
    EXPECT_TRUE(find<TownMenu>()->isShown());
    EXPECT_EQ(fakeMidi().playing, folder() + "/Midis/Normal.mid");
    // The music switches before the menu comes back.
    EXPECT_EQ(trace().filter(QStringLiteral("midi:play")).size(), 1);
}

TEST_F(AllocationTest, UnspentPointsAreNotOfferedAgain) {
    AllocationWindow& w = open();
    left(w.hpButton);
    fakeBoxes().answer(vbYes);
    QTest::mouseClick(w.okButton, Qt::LeftButton);
    EXPECT_EQ(g().abilityPoints, i16(5)); // never written here
    g().abilityPoints = 2;                // the next win's reward replaces it
    AllocationWindow& next = open();
    EXPECT_NE(&next, &w);
    EXPECT_EQ(next.pointsLeft->text(), QStringLiteral("2"));
    EXPECT_EQ(next.draft.used, i16(0));
    EXPECT_EQ(next.resultHp->text(), QStringLiteral("11"));
}
