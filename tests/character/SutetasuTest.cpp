#include "character/Sutetasu.h"
#include "support/GameTest.h"

#include <QLabel>

using namespace testing_support;
using kobu::RefreshStatus;
using kobu::Sutetasu;

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
    RefreshStatus();
    Sutetasu* s = find<Sutetasu>();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->LaHP->text(), QStringLiteral("-3"));
    EXPECT_EQ(s->LaHHp->text(), QStringLiteral("25"));
    EXPECT_EQ(s->LaKoua->text(), QStringLiteral("12"));
    EXPECT_EQ(s->LaKoub->text(), QStringLiteral("4"));
    EXPECT_EQ(s->LaBoua->text(), QStringLiteral("9"));
    EXPECT_EQ(s->LaBoub->text(), QStringLiteral("3"));
    EXPECT_EQ(s->LaKane->text(), QStringLiteral("-32768"));
    EXPECT_EQ(s->LaSpeed->text(), QStringLiteral("7"));
    EXPECT_EQ(s->LaBuki->text(), QStringLiteral("木刀"));
    EXPECT_EQ(s->LaBougu->text(), QStringLiteral("鎖かたびら"));
    EXPECT_EQ(s->LaName->text(), QStringLiteral("たろう"));
}

TEST_F(StatusTest, LabelsLagUntilTheNextRefresh) {
    RefreshStatus();
    Sutetasu* s = find<Sutetasu>();
    g().money = 555;
    forms().show<Sutetasu>(); // showing again does not refresh
    EXPECT_EQ(s->LaKane->text(), QStringLiteral("100"));
    RefreshStatus();
    EXPECT_EQ(s->LaKane->text(), QStringLiteral("555"));
}

TEST_F(StatusTest, CloseBoxDoesNothing) {
    Sutetasu& s = forms().show<Sutetasu>();
    s.frame()->close();
    EXPECT_EQ(find<Sutetasu>(), &s);
    EXPECT_TRUE(s.isShown());
}

TEST_F(StatusTest, RefreshBringsAClosedWindowBackInItsCorner) {
    forms().show<Sutetasu>();
    kobu::closeAllChildWindows();
    settle();
    ASSERT_EQ(find<Sutetasu>(), nullptr);
    g().money = 42;
    RefreshStatus();
    Sutetasu* s = find<Sutetasu>();
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->isShown());
    EXPECT_EQ(s->LaKane->text(), QStringLiteral("42"));
    EXPECT_DOUBLE_EQ(s->topTw(), 0);
    // Right-hand corner: its right edge near the right of the client area.
    const int right = s->frame()->geometry().right();
    EXPECT_GT(right, frame->mdiArea()->viewport()->width() - 40);
    EXPECT_LE(right, frame->mdiArea()->viewport()->width());
}
