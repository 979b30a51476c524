#include "shop/ItemsWindow.h"
#include "character/StatusWindow.h"
#include "shop/ShopFixture.h"

#include <QLabel>
#include <QPushButton>

using namespace platform;
using namespace testing_support;
using namespace kobu;
using kobu::TownMenu;

namespace {

const QString kAsk5 = QStringLiteral("HPが５回復します。よろしいですか？");
const QString kAsk15 = QStringLiteral("HPが１５回復します。よろしいですか？");
const QString kAsk40 = QStringLiteral("HPが４０回復します。よろしいですか？");

class ItemsWindowTest : public shop_test::ShopTest {
  protected:
    ItemsWindow& open() {
        click(find<TownMenu>()->itemsButton);
        ItemsWindow* f = find<ItemsWindow>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
};

} // namespace

TEST_F(ItemsWindowTest, OpensWithTheCountsAndTheMenuHidden) {
    g().tapWaterCount = 2;
    g().naturalWaterCount = 0;
    g().sodaCount = -1;
    ItemsWindow& f = open();
    EXPECT_TRUE(f.isShown());
    EXPECT_FALSE(find<TownMenu>()->isShown());
    EXPECT_EQ(f.tapWaterLeft->text(), QStringLiteral("2"));
    EXPECT_EQ(f.naturalWaterLeft->text(), QStringLiteral("0"));
    EXPECT_EQ(f.sodaLeft->text(), QStringLiteral("-1"));
    EXPECT_TRUE(f.useTapWaterButton->isEnabled());
    EXPECT_FALSE(f.useNaturalWaterButton->isEnabled());
    EXPECT_TRUE(f.useSodaButton->isEnabled()); // only 0 turns a button off here
}

// How much a use heals is the rules' affair; the window asks,
// then shows the new hit points and count.
TEST_F(ItemsWindowTest, AUseIsAskedAndShown) {
    g().tapWaterCount = 3;
    g().hp = 8;
    ItemsWindow& f = open();
    fakeBoxes().expect(kAsk5, Answer::Yes);
    click(f.useTapWaterButton);
    const BoxRequest& r = box(0);
    EXPECT_EQ(r.title, QStringLiteral("確認"));
    EXPECT_EQ(r.icon, BoxIcon::Question);
    EXPECT_EQ(r.buttons, BoxButtons::YesNo);
    EXPECT_EQ(g().hp, 10);
    EXPECT_EQ(g().tapWaterCount, 2);
    EXPECT_EQ(f.tapWaterLeft->text(), QStringLiteral("2"));
    EXPECT_TRUE(f.useTapWaterButton->isEnabled());
    EXPECT_EQ(find<kobu::StatusWindow>()->hpValue->text(), QStringLiteral("10"));
}

// Each use decides its own button only; below zero natural water's stays on
//.
TEST_F(ItemsWindowTest, TheLastItemDisablesItsButton) {
    g().tapWaterCount = 1;
    g().naturalWaterCount = -1;
    g().sodaCount = 1;
    ItemsWindow& f = open();
    fakeBoxes().expect(kAsk5, Answer::Yes);
    click(f.useTapWaterButton);
    EXPECT_EQ(f.tapWaterLeft->text(), QStringLiteral("0"));
    EXPECT_FALSE(f.useTapWaterButton->isEnabled());
    EXPECT_TRUE(f.useNaturalWaterButton->isEnabled());
    EXPECT_TRUE(f.useSodaButton->isEnabled());
    fakeBoxes().expect(kAsk40, Answer::Yes);
    click(f.useSodaButton);
    EXPECT_EQ(f.sodaLeft->text(), QStringLiteral("0"));
    EXPECT_FALSE(f.useSodaButton->isEnabled());
    fakeBoxes().expect(kAsk15, Answer::Yes);
    click(f.useNaturalWaterButton);
    EXPECT_EQ(f.naturalWaterLeft->text(), QStringLiteral("-2"));
    EXPECT_TRUE(f.useNaturalWaterButton->isEnabled());
    // A disabled button does nothing.
    click(f.useTapWaterButton);
    EXPECT_EQ(boxCount(), 3u);
}

TEST_F(ItemsWindowTest, AnsweringNoSpendsNothing) {
    g().sodaCount = 1;
    g().hp = 1;
    ItemsWindow& f = open();
    const kobu::GameState before = g();
    fakeBoxes().expect(kAsk40, Answer::No);
    click(f.useSodaButton);
    EXPECT_EQ(g(), before);
    EXPECT_TRUE(f.useSodaButton->isEnabled());
}

TEST_F(ItemsWindowTest, CountsBoughtWhileHiddenShowWhenShownAgain) {
    ItemsWindow& f = open();
    EXPECT_FALSE(f.useTapWaterButton->isEnabled());
    click(f.backButton); // 戻る
    EXPECT_FALSE(f.isShown());
    EXPECT_TRUE(find<TownMenu>()->isShown());
    ASSERT_EQ(find<ItemsWindow>(), &f); // only hidden

    g().tapWaterCount = 4;
    g().sodaCount = 2;
    click(find<TownMenu>()->itemsButton);
    EXPECT_EQ(find<ItemsWindow>(), &f);
    EXPECT_TRUE(f.isShown());
    EXPECT_EQ(f.tapWaterLeft->text(), QStringLiteral("4"));
    EXPECT_EQ(f.sodaLeft->text(), QStringLiteral("2"));
    EXPECT_TRUE(f.useTapWaterButton->isEnabled());
    EXPECT_FALSE(f.useNaturalWaterButton->isEnabled());
    EXPECT_TRUE(f.useSodaButton->isEnabled());
}

TEST_F(ItemsWindowTest, BackspaceAndTheCloseBoxUnloadAndShowTheMenu) {
    for (bool backspace : {true, false}) {
        SCOPED_TRACE(backspace);
        g().tapWaterCount = 1;
        ItemsWindow& f = open();
        if (backspace) {
            f.useTapWaterButton->setFocus();
            key(f.useTapWaterButton, Qt::Key_Backspace);
        } else {
            f.frame()->close();
        }
        EXPECT_EQ(find<ItemsWindow>(), nullptr);
        EXPECT_TRUE(find<TownMenu>()->isShown());
        EXPECT_EQ(boxCount(), 0u);
        settle();
    }
}
