#include "shop/FItem.h"
#include "character/Sutetasu.h"
#include "shop/ShopFixture.h"

#include <QLabel>
#include <QPushButton>

using namespace platform;
using namespace testing_support;
using kobu::FItem;
using kobu::Menu;

namespace {

const QString kAsk5 = QStringLiteral("HPが５回復します。よろしいですか？");
const QString kAsk15 = QStringLiteral("HPが１５回復します。よろしいですか？");
const QString kAsk40 = QStringLiteral("HPが４０回復します。よろしいですか？");

class FItemTest : public shop_test::ShopTest {
  protected:
    FItem& open() {
        click(find<Menu>()->Command2);
        FItem* f = find<FItem>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
};

} // namespace

TEST_F(FItemTest, OpensWithTheCountsAndTheMenuHidden) {
    g().tapWaterCount = 2;
    g().naturalWaterCount = 0;
    g().sodaCount = -1;
    FItem& f = open();
    EXPECT_TRUE(f.isShown());
    EXPECT_FALSE(find<Menu>()->isShown());
    EXPECT_EQ(f.LaItem1->text(), QStringLiteral("2"));
    EXPECT_EQ(f.LaItem2->text(), QStringLiteral("0"));
    EXPECT_EQ(f.LaItem3->text(), QStringLiteral("-1"));
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_FALSE(f.Command2->isEnabled());
    EXPECT_TRUE(f.Command3->isEnabled()); // only 0 turns a button off here
}

TEST_F(FItemTest, HealingStopsAtTheMaximum) {
    g().tapWaterCount = 3;
    g().hp = 8;
    FItem& f = open();
    fakeBoxes().expect(kAsk5, vbYes);
    click(f.Command1);
    const BoxRequest& r = box(0);
    EXPECT_EQ(r.title, QStringLiteral("確認"));
    EXPECT_EQ(r.icon, BoxIcon::Question);
    EXPECT_EQ(r.buttons, BoxButtons::YesNo);
    EXPECT_EQ(g().hp, 10);
    EXPECT_EQ(g().tapWaterCount, 2);
    EXPECT_EQ(f.LaItem1->text(), QStringLiteral("2"));
    EXPECT_EQ(find<kobu::Sutetasu>()->LaHP->text(), QStringLiteral("10"));

    // At full hit points the item is still spent; above the maximum the use
    // brings them down to it.
    fakeBoxes().expect(kAsk5, vbYes);
    click(f.Command1);
    EXPECT_EQ(g().hp, 10);
    EXPECT_EQ(g().tapWaterCount, 1);
    g().hp = 30;
    g().sodaCount = 1;
    f.RefreshItemWindow();
    fakeBoxes().expect(kAsk40, vbYes);
    click(f.Command3);
    EXPECT_EQ(g().hp, 10);
}

TEST_F(FItemTest, TheLastItemDisablesItsButton) {
    g().naturalWaterCount = 1;
    g().maxHp = 100;
    g().hp = 50;
    FItem& f = open();
    fakeBoxes().expect(kAsk15, vbYes);
    click(f.Command2);
    EXPECT_EQ(g().hp, 65);
    EXPECT_EQ(f.LaItem2->text(), QStringLiteral("0"));
    EXPECT_FALSE(f.Command2->isEnabled());
    // A disabled button does nothing.
    click(f.Command2);
    EXPECT_EQ(boxCount(), 1u);
}

TEST_F(FItemTest, AnsweringNoSpendsNothing) {
    g().sodaCount = 1;
    g().hp = 1;
    FItem& f = open();
    const kobu::GameState before = g();
    fakeBoxes().expect(kAsk40, vbNo);
    click(f.Command3);
    EXPECT_EQ(g(), before);
    EXPECT_TRUE(f.Command3->isEnabled());
}

TEST_F(FItemTest, NegativeCountsGoFurtherDown) {
    // Counts below zero come only from an edited save or a purchase of the old
    // rules; the buttons of the first and third item stop at 0 or below, the
    // second only at exactly 0.
    g().tapWaterCount = -1;
    g().naturalWaterCount = -1;
    g().sodaCount = -1;
    FItem& f = open();
    fakeBoxes().expect(kAsk5, vbYes);
    click(f.Command1);
    fakeBoxes().expect(kAsk15, vbYes);
    click(f.Command2);
    fakeBoxes().expect(kAsk40, vbYes);
    click(f.Command3);
    EXPECT_EQ(g().tapWaterCount, -2);
    EXPECT_EQ(g().naturalWaterCount, -2);
    EXPECT_EQ(g().sodaCount, -2);
    EXPECT_FALSE(f.Command1->isEnabled());
    EXPECT_TRUE(f.Command2->isEnabled());
    EXPECT_FALSE(f.Command3->isEnabled());
}

TEST_F(FItemTest, CountsBoughtWhileHiddenShowWhenShownAgain) {
    FItem& f = open();
    EXPECT_FALSE(f.Command1->isEnabled());
    click(f.Command4); // 戻る
    EXPECT_FALSE(f.isShown());
    EXPECT_TRUE(find<Menu>()->isShown());
    ASSERT_EQ(find<FItem>(), &f); // only hidden

    g().tapWaterCount = 4;
    g().sodaCount = 2;
    click(find<Menu>()->Command2);
    EXPECT_EQ(find<FItem>(), &f);
    EXPECT_TRUE(f.isShown());
    EXPECT_EQ(f.LaItem1->text(), QStringLiteral("4"));
    EXPECT_EQ(f.LaItem3->text(), QStringLiteral("2"));
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_FALSE(f.Command2->isEnabled());
    EXPECT_TRUE(f.Command3->isEnabled());
}

TEST_F(FItemTest, BackspaceAndTheCloseBoxUnloadAndShowTheMenu) {
    for (bool backspace : {true, false}) {
        SCOPED_TRACE(backspace);
        g().tapWaterCount = 1;
        FItem& f = open();
        if (backspace) {
            f.Command1->setFocus();
            key(f.Command1, Qt::Key_Backspace);
        } else {
            f.frame()->close();
        }
        EXPECT_EQ(find<FItem>(), nullptr);
        EXPECT_TRUE(find<Menu>()->isShown());
        EXPECT_EQ(boxCount(), 0u);
        settle();
    }
}
