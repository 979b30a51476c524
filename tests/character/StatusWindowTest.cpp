#include "character/StatusWindow.h"
#include "support/GameTest.h"

#include <QLabel>

using namespace testing_support;
using kobu::refreshStatus;
using kobu::StatusWindow;

namespace {
class StatusTest : public GameTest {};
} // namespace

TEST_F(StatusTest, RefreshShowsEveryValueAsDecimalText) {
    g().playerName = QStringLiteral("たろう");
    g().hp = -3;
    g().maxHp = 25;
    g().attackA = 12;
    g().attackB = 4;
    g().defenseA = 9;
    g().defenseB = 3;
    g().money = -32768;
    g().speed = 7;
    g().weaponName = QStringLiteral("木刀");
    g().armorName = QStringLiteral("鎖かたびら");
    refreshStatus();
    StatusWindow* s = find<StatusWindow>();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->hpValue->text(), QStringLiteral("-3"));
    EXPECT_EQ(s->maxHpValue->text(), QStringLiteral("25"));
    EXPECT_EQ(s->attackAValue->text(), QStringLiteral("12"));
    EXPECT_EQ(s->attackBValue->text(), QStringLiteral("4"));
    EXPECT_EQ(s->defenseAValue->text(), QStringLiteral("9"));
    EXPECT_EQ(s->defenseBValue->text(), QStringLiteral("3"));
    EXPECT_EQ(s->moneyValue->text(), QStringLiteral("-32768"));
    EXPECT_EQ(s->speedValue->text(), QStringLiteral("7"));
    EXPECT_EQ(s->weaponValue->text(), QStringLiteral("木刀"));
    EXPECT_EQ(s->armourValue->text(), QStringLiteral("鎖かたびら"));
    EXPECT_EQ(s->nameValue->text(), QStringLiteral("たろう"));
}

TEST_F(StatusTest, LabelsLagUntilTheNextRefresh) {
    refreshStatus();
    StatusWindow* s = find<StatusWindow>();
    g().money = 555;
    forms().show<StatusWindow>(); // showing again does not refresh
    EXPECT_EQ(s->moneyValue->text(), QStringLiteral("100"));
    refreshStatus();
    EXPECT_EQ(s->moneyValue->text(), QStringLiteral("555"));
}

TEST_F(StatusTest, CloseBoxDoesNothing) {
    StatusWindow& s = forms().show<StatusWindow>();
    s.frame()->close();
    EXPECT_EQ(find<StatusWindow>(), &s);
    EXPECT_TRUE(s.isShown());
}

TEST_F(StatusTest, RefreshBringsAClosedWindowBackInItsCorner) {
    forms().show<StatusWindow>();
    kobu::closeAllChildWindows();
    settle();
    ASSERT_EQ(find<StatusWindow>(), nullptr);
    g().money = 42;
    refreshStatus();
    StatusWindow* s = find<StatusWindow>();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isShown());
    EXPECT_EQ(s->moneyValue->text(), QStringLiteral("42"));
    EXPECT_DOUBLE_EQ(s->topTw(), 0);
    // Right-hand corner: its right edge near the right of the client area.
    const int right = s->frame()->geometry().right();
    EXPECT_GT(right, frame->mdiArea()->viewport()->width() - 40);
    EXPECT_LE(right, frame->mdiArea()->viewport()->width());
}
