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
    void expectRefused(AllocationWindow& w, MousePressButton* b, Qt::MouseButton which,
                       const QLabel* ato, const QString& text) {
        const QString before = ato->text();
        const QString remaining = w.pointsLeft->text();
        const i16 used = w.draft.used;
        fakeBoxes().expect(text, Answer::Ok);
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

// Each refusal's message, through the real buttons; the rules themselves are
// AllocationTest's.
TEST_F(AllocationTest, EveryRefusalSaysWhy) {
    g().attackB = 4; // attack at the narrowest gap
    g().speed = 13;  // past its limit
    g().abilityPoints = 1;
    AllocationWindow& w = open();
    expectRefused(w, w.speedButton, Qt::LeftButton, w.resultSpeed, QStringLiteral("上限です"));
    expectRefused(w, w.attackBButton, Qt::LeftButton, w.resultAttackB,
                  QStringLiteral("これ以上あげられません"));
    expectRefused(w, w.defenseBButton, Qt::LeftButton, w.resultDefenseB,
                  QStringLiteral("これ以上あげられません"));
    expectRefused(w, w.attackAButton, Qt::RightButton, w.resultAttackA,
                  QStringLiteral("これ以上下げられません"));
    expectRefused(w, w.defenseAButton, Qt::RightButton, w.resultDefenseA,
                  QStringLiteral("これ以上さげられません"));
    left(w.hpButton);
    expectRefused(w, w.hpButton, Qt::LeftButton, w.resultHp,
                  QStringLiteral("ポイントを使い切っています"));
    // The floor's message comes with the value already put back.
    fakeBoxes().expect(QStringLiteral("現在値を下回っています"), Answer::Ok);
    right(w.attackBButton);
    EXPECT_EQ(w.resultAttackB->text(), QStringLiteral("4"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("0"));
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
    fakeBoxes().expect(QStringLiteral("これでよろしいですか？"), Answer::No);
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
    fakeBoxes().answer(Answer::Yes);
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
    fakeBoxes().answer(Answer::Yes);
    QTest::mouseClick(w.okButton, Qt::LeftButton);
    EXPECT_EQ(g().abilityPoints, i16(5)); // never written here
    g().abilityPoints = 2;                // the next win's reward replaces it
    AllocationWindow& next = open();
    EXPECT_NE(&next, &w);
    EXPECT_EQ(next.pointsLeft->text(), QStringLiteral("2"));
    EXPECT_EQ(next.draft.used, i16(0));
    EXPECT_EQ(next.resultHp->text(), QStringLiteral("11"));
}

// ---- By keyboard and by ear ------------------------------------------------------

TEST_F(AllocationTest, TheArrowsChooseRaiseAndTakeBackAsTheMouseDoes) {
    AllocationWindow& w = open();
    // The keyboard starts on the first row.
    EXPECT_EQ(w.focusWidget(), w.hpButton);
    QTest::keyClick(w.hpButton, Qt::Key_Up); // from the first row to the last
    ASSERT_EQ(w.focusWidget(), w.speedButton);
    QTest::keyClick(w.speedButton, Qt::Key_Right);
    QTest::keyClick(w.speedButton, Qt::Key_Plus);
    QTest::keyClick(w.speedButton, Qt::Key_Left);
    EXPECT_EQ(w.resultSpeed->text(), QStringLiteral("6"));
    QTest::keyClick(w.speedButton, Qt::Key_Down); // and back round to the first
    ASSERT_EQ(w.focusWidget(), w.hpButton);
    QTest::keyClick(w.hpButton, Qt::Key_Right);
    EXPECT_EQ(w.resultHp->text(), QStringLiteral("11"));
    EXPECT_EQ(w.pointsLeft->text(), QStringLiteral("3"));
    EXPECT_EQ(
        heard(),
        (QStringList{QStringLiteral("残り振り分けポイント 5"), QStringLiteral("スピード 6、残り 4"),
                     QStringLiteral("スピード 7、残り 3"), QStringLiteral("スピード 6、残り 4"),
                     QStringLiteral("HP 11、残り 3")}));
}

TEST_F(AllocationTest, ARefusalIsHeardOnceAsItsBox) {
    AllocationWindow& w = open();
    w.attackBButton->setFocus();
    fakeBoxes().expect(QStringLiteral("現在値を下回っています"), Answer::Ok);
    QTest::keyClick(w.attackBButton, Qt::Key_Minus);
    EXPECT_EQ(heard(), (QStringList{QStringLiteral("残り振り分けポイント 5"),
                                    QStringLiteral("box:現在値を下回っています")}));
}

TEST_F(AllocationTest, EnterOnARowConfirmsAsOkDoes) {
    AllocationWindow& w = open();
    w.defenseAButton->setFocus();
    fakeBoxes().expect(QStringLiteral("これでよろしいですか？"), Answer::No);
    QTest::keyClick(w.defenseAButton, Qt::Key_Return);
    EXPECT_EQ(fakeBoxes().shown.size(), 1u);
    EXPECT_EQ(w.resultDefenseA->text(), QString::number(g().defenseA.value()));
}

TEST_F(AllocationTest, EveryRowButtonIsNamedForItsRow) {
    AllocationWindow& w = open();
    EXPECT_EQ(w.hpButton->accessibleName(), QStringLiteral("HP"));
    EXPECT_EQ(w.attackAButton->accessibleName(), QStringLiteral("攻撃A"));
    EXPECT_EQ(w.defenseBButton->accessibleName(), QStringLiteral("防御B"));
    EXPECT_EQ(w.speedButton->accessibleName(), QStringLiteral("スピード"));
}
