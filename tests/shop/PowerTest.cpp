#include "shop/Power.h"
#include "character/Sutetasu.h"
#include "platform/Guard.h"
#include "shop/ShopFixture.h"
#include "shop/Store.h"

#include <QLabel>
#include <QPushButton>

using namespace platform;
using namespace testing_support;
using kobu::Power;
using kobu::Store;

namespace {

class PowerTest : public shop_test::ShopTest {
  protected:
    Power& open() {
        click(find<kobu::Menu>()->Command1);
        click(find<Store>()->Command3);
        Power* p = find<Power>();
        EXPECT_NE(p, nullptr);
        return *p;
    }
    // One purchase answered Yes, with its thank-you box.
    void buy(Power& p, int index) {
        fakeBoxes().expect(
            p.Command1[index]->text() + QStringLiteral("を買います。よろしいですか？"), vbYes);
        fakeBoxes().expect(QStringLiteral("有難うございました"), vbOK);
        click(p.Command1[index]);
    }
    static bool allEnabled(const Power& p, bool on) {
        for (QPushButton* b : p.Command1)
            if (b->isEnabled() != on)
                return false;
        return true;
    }
};

} // namespace

TEST_F(PowerTest, TheLimitComesBeforeTheMoney) {
    g().powerUpsUsed = 5;
    g().money = 0;
    const kobu::GameState before = g();
    Power& p = open();
    fakeBoxes().answer(vbOK); // the shop's warning at exactly five
    click(p.Command1[1]);
    ASSERT_EQ(boxCount(), 2u);
    EXPECT_EQ(box(1).text, QStringLiteral("ドーピングしすぎ"));
    EXPECT_EQ(box(1).title, QStringLiteral("エラー"));
    EXPECT_EQ(box(1).icon, BoxIcon::Exclamation);
    EXPECT_EQ(find<Power>(), &p);
    EXPECT_EQ(g(), before);
}

TEST_F(PowerTest, TheSixthIsRefusedWhateverTheMoney) {
    g().money = 10000;
    Power& p = open();
    for (int i = 0; i < 5; ++i)
        buy(p, i % 3);
    EXPECT_EQ(g().powerUpsUsed, 5);
    const kobu::GameState before = g();
    fakeBoxes().expect(QStringLiteral("ドーピングしすぎ"), vbOK);
    click(p.Command1[0]);
    EXPECT_EQ(g(), before);
    EXPECT_EQ(g().money, 10000 - 5 * 400);
}

TEST_F(PowerTest, ExactlyFourHundredBuysAndDisablesTheItems) {
    g().money = 400;
    g().hp = 7;
    Power& p = open();
    EXPECT_EQ(p.Money->text(), QStringLiteral("400"));
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
    // The capsule raises the maximum only.
    EXPECT_EQ(g().maxHp, 13);
    EXPECT_EQ(g().hp, 7);
    EXPECT_EQ(g().money, 0);
    EXPECT_EQ(g().powerUpsUsed, 1);
    EXPECT_EQ(p.Money->text(), QStringLiteral("0"));
    EXPECT_EQ(find<kobu::Sutetasu>()->LaHHp->text(), QStringLiteral("13"));
    EXPECT_TRUE(allEnabled(p, false));
}

TEST_F(PowerTest, EightHundredBuysTwo) {
    g().money = 800;
    Power& p = open();
    buy(p, 1);
    EXPECT_TRUE(allEnabled(p, true));
    buy(p, 2);
    EXPECT_EQ(g().attackA, 9);
    EXPECT_EQ(g().attackB, 3);
    EXPECT_EQ(g().defenseA, 6);
    EXPECT_EQ(g().defenseB, 2);
    EXPECT_EQ(g().maxHp, 10);
    EXPECT_EQ(g().powerUpsUsed, 2);
    EXPECT_EQ(g().money, 0);
    EXPECT_TRUE(allEnabled(p, false));
}

TEST_F(PowerTest, NoChangesNothingButTheButtonsAreEnabledFirst) {
    g().money = 400;
    Power& p = open();
    buy(p, 0);
    ASSERT_TRUE(allEnabled(p, false));
    // Money from elsewhere while the window stays open (a secret code): the
    // disabled buttons cannot be pressed, the handler can still be reached.
    g().money = 400;
    const kobu::GameState before = g();
    fakeBoxes().expect(QStringLiteral("マッスルドリンクを買います。よろしいですか？"), vbNo);
    runGuarded(&p, [&] { p.Command1_Click(1); });
    EXPECT_TRUE(allEnabled(p, true));
    EXPECT_EQ(g(), before);
}

TEST_F(PowerTest, TooLittleMoneySendsThePlayerBackToTheShop) {
    g().money = 399;
    const kobu::GameState before = g();
    Power& p = open();
    click(p.Command1[2]);
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_EQ(box(0).text, QStringLiteral("金がないなら帰れ"));
    EXPECT_EQ(box(0).title, QString());
    EXPECT_EQ(box(0).icon, BoxIcon::Exclamation);
    EXPECT_EQ(find<Power>(), nullptr);
    EXPECT_TRUE(find<Store>()->isShown());
    EXPECT_EQ(g(), before);
}

TEST_F(PowerTest, EveryWayOutLeadsBackToTheShop) {
    enum Way { Button, Backspace, CloseBox };
    for (Way way : {Button, Backspace, CloseBox}) {
        SCOPED_TRACE(way);
        Power& p = open();
        switch (way) {
        case Button:
            click(p.Command2);
            break;
        case Backspace:
            key(p.Command1[1], Qt::Key_Backspace);
            break;
        case CloseBox:
            p.frame()->close();
            break;
        }
        EXPECT_EQ(find<Power>(), nullptr);
        ASSERT_NE(find<Store>(), nullptr);
        EXPECT_TRUE(find<Store>()->isShown());
        // Back to the menu for the next round.
        click(find<Store>()->Command5);
        settle();
    }
}

TEST_F(PowerTest, AFreshWindowHasItsButtonsEnabledAgain) {
    g().money = 400;
    Power& p = open();
    buy(p, 2);
    ASSERT_TRUE(allEnabled(p, false));
    click(p.Command2);
    settle();
    g().money = 400;
    click(find<Store>()->Command3);
    Power& again = *find<Power>();
    EXPECT_TRUE(allEnabled(again, true));
    EXPECT_EQ(again.Money->text(), QStringLiteral("400"));
}
