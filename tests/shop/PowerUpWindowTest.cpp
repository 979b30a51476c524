#include "shop/PowerUpWindow.h"
#include "character/StatusWindow.h"
#include "platform/Guard.h"
#include "shop/ShopFixture.h"
#include "shop/ShopWindow.h"

#include <QLabel>
#include <QPushButton>

using namespace platform;
using namespace testing_support;
using namespace kobu;

namespace {

class PowerUpWindowTest : public shop_test::ShopTest {
  protected:
    PowerUpWindow& open() {
        click(find<kobu::TownMenu>()->shopButton);
        click(find<ShopWindow>()->powerUpButton);
        PowerUpWindow* p = find<PowerUpWindow>();
        EXPECT_NE(p, nullptr);
        return *p;
    }
    // One purchase answered Yes, with its thank-you box.
    void buy(PowerUpWindow& p, int index) {
        fakeBoxes().expect(p.itemButtons[index]->text() +
                               QStringLiteral("を買います。よろしいですか？"),
                           Answer::Yes);
        fakeBoxes().expect(QStringLiteral("有難うございました"), Answer::Ok);
        click(p.itemButtons[index]);
    }
    static bool allEnabled(const PowerUpWindow& p, bool on) {
        for (QPushButton* b : p.itemButtons)
            if (b->isEnabled() != on)
                return false;
        return true;
    }
};

} // namespace

TEST_F(PowerUpWindowTest, TheLimitComesBeforeTheMoney) {
    g().powerUpsUsed = 5;
    g().money = 0;
    const kobu::GameState before = g();
    PowerUpWindow& p = open();
    fakeBoxes().answer(Answer::Ok); // the shop's warning at exactly five
    click(p.itemButtons[1]);
    ASSERT_EQ(boxCount(), 2u);
    EXPECT_EQ(box(1).text, QStringLiteral("ドーピングしすぎ"));
    EXPECT_EQ(box(1).title, QStringLiteral("エラー"));
    EXPECT_EQ(box(1).icon, BoxIcon::Exclamation);
    EXPECT_EQ(find<PowerUpWindow>(), &p);
    EXPECT_EQ(g(), before);
}

TEST_F(PowerUpWindowTest, ExactlyFourHundredBuysAndDisablesTheItems) {
    g().money = 400;
    g().hp = 7;
    PowerUpWindow& p = open();
    EXPECT_EQ(p.moneyValue->text(), QStringLiteral("400"));
    EXPECT_TRUE(allEnabled(p, true));
    buy(p, 0);
    const BoxRequest& ask = box(0);
    EXPECT_EQ(ask.text, QStringLiteral("パワーカプセルを買います。よろしいですか？"));
    EXPECT_EQ(ask.title, QStringLiteral("確認"));
    EXPECT_EQ(ask.icon, BoxIcon::Question);
    const BoxRequest& thanks = box(1);
    EXPECT_EQ(thanks.title, QStringLiteral("Kobusato"));
    EXPECT_EQ(thanks.icon, BoxIcon::None);
    EXPECT_EQ(thanks.buttons, BoxButtons::OK);
    EXPECT_EQ(g().maxHp, 13);
    EXPECT_EQ(g().money, 0);
    EXPECT_EQ(p.moneyValue->text(), QStringLiteral("0"));
    EXPECT_EQ(find<kobu::StatusWindow>()->maxHpValue->text(), QStringLiteral("13"));
    EXPECT_TRUE(allEnabled(p, false));
}

TEST_F(PowerUpWindowTest, EightHundredBuysTwoThenTheItemsGoOff) {
    g().money = 800;
    PowerUpWindow& p = open();
    buy(p, 1);
    EXPECT_TRUE(allEnabled(p, true));
    buy(p, 2);
    EXPECT_EQ(g().attackA, 9);
    EXPECT_EQ(g().defenseA, 6);
    EXPECT_TRUE(allEnabled(p, false));
}

TEST_F(PowerUpWindowTest, NoChangesNothingButTheButtonsAreEnabledFirst) {
    g().money = 400;
    PowerUpWindow& p = open();
    buy(p, 0);
    ASSERT_TRUE(allEnabled(p, false));
    // Money from elsewhere while the window stays open (a secret code): the
    // disabled buttons cannot be pressed, the handler can still be reached.
    g().money = 400;
    const kobu::GameState before = g();
    fakeBoxes().expect(QStringLiteral("マッスルドリンクを買います。よろしいですか？"), Answer::No);
    runGuarded(&p, [&] { p.onItemClicked(1); });
    EXPECT_TRUE(allEnabled(p, true));
    EXPECT_EQ(g(), before);
}

TEST_F(PowerUpWindowTest, TooLittleMoneySendsThePlayerBackToTheShop) {
    g().money = 399;
    const kobu::GameState before = g();
    PowerUpWindow& p = open();
    click(p.itemButtons[2]);
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_EQ(box(0).text, QStringLiteral("金がないなら帰れ"));
    EXPECT_EQ(box(0).title, QString());
    EXPECT_EQ(box(0).icon, BoxIcon::Exclamation);
    EXPECT_EQ(find<PowerUpWindow>(), nullptr);
    EXPECT_TRUE(find<ShopWindow>()->isShown());
    EXPECT_EQ(g(), before);
}

TEST_F(PowerUpWindowTest, EveryWayOutLeadsBackToTheShop) {
    enum Way { Button, Backspace, CloseBox };
    for (Way way : {Button, Backspace, CloseBox}) {
        SCOPED_TRACE(way);
        PowerUpWindow& p = open();
        switch (way) {
        case Button:
            click(p.backButton);
            break;
        case Backspace:
            key(p.itemButtons[1], Qt::Key_Backspace);
            break;
        case CloseBox:
            p.frame()->close();
            break;
        }
        EXPECT_EQ(find<PowerUpWindow>(), nullptr);
        ASSERT_NE(find<ShopWindow>(), nullptr);
        EXPECT_TRUE(find<ShopWindow>()->isShown());
        // Back to the menu for the next round.
        click(find<ShopWindow>()->backButton);
        settle();
    }
}

TEST_F(PowerUpWindowTest, AFreshWindowHasItsButtonsEnabledAgain) {
    g().money = 400;
    PowerUpWindow& p = open();
    buy(p, 2);
    ASSERT_TRUE(allEnabled(p, false));
    click(p.backButton);
    settle();
    g().money = 400;
    click(find<ShopWindow>()->powerUpButton);
    PowerUpWindow& again = *find<PowerUpWindow>();
    EXPECT_TRUE(allEnabled(again, true));
    EXPECT_EQ(again.moneyValue->text(), QStringLiteral("400"));
}
