#include "shop/RecoveryItemsWindow.h"
#include "character/StatusWindow.h"
#include "shop/ShopFixture.h"
#include "shop/ShopWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace platform;
using namespace testing_support;
using namespace kobu;

namespace {

const QString kRefusedQuantity = QStringLiteral("個数には０以上の整数を入力してください");

class RecoveryItemsWindowTest : public shop_test::ShopTest {
  protected:
    RecoveryItemsWindow& open() {
        click(find<kobu::TownMenu>()->shopButton);
        click(find<ShopWindow>()->recoveryButton);
        RecoveryItemsWindow* k = find<RecoveryItemsWindow>();
        EXPECT_NE(k, nullptr);
        return *k;
    }
    void type(RecoveryItemsWindow& k, const QString& a, const QString& b, const QString& c) {
        k.quantityBoxes[0]->setText(a);
        k.quantityBoxes[1]->setText(b);
        k.quantityBoxes[2]->setText(c);
    }
    void counts(int tap, int natural, int soda) {
        EXPECT_EQ(g().tapWaterCount, tap);
        EXPECT_EQ(g().naturalWaterCount, natural);
        EXPECT_EQ(g().sodaCount, soda);
    }
};

} // namespace

TEST_F(RecoveryItemsWindowTest, OpensWithEmptyBoxesAndTheMoneyShown) {
    g().money = 1234;
    RecoveryItemsWindow& k = open();
    EXPECT_EQ(k.title(), QStringLiteral("回復アイテム"));
    EXPECT_EQ(k.moneyValue->text(), QStringLiteral("1234"));
    for (QLineEdit* e : k.quantityBoxes)
        EXPECT_TRUE(e->text().isEmpty());
    EXPECT_EQ(k.tapWaterPrice->text(), QStringLiteral("２０Ｇ     ×"));
    EXPECT_EQ(k.sodaPrice->text(), QStringLiteral("１００Ｇ   ×"));
}

TEST_F(RecoveryItemsWindowTest, NothingToBuyIsScolded) {
    g().money = 500;
    const kobu::GameState before = g();
    RecoveryItemsWindow& k = open();
    for (const QString& text : {QString(), QStringLiteral("abc"), QStringLiteral("0")}) {
        type(k, text, text, text);
        click(k.okButton);
    }
    ASSERT_EQ(boxCount(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(box(i).text, QStringLiteral("何も買わないんやったら帰れ！！"));
        EXPECT_EQ(box(i).title, QStringLiteral("罪なる行為"));
        EXPECT_EQ(box(i).icon, BoxIcon::Exclamation);
    }
    EXPECT_EQ(g(), before);
    EXPECT_EQ(find<RecoveryItemsWindow>(), &k);
}

TEST_F(RecoveryItemsWindowTest, OneTwoThreeCostFourHundredTwenty) {
    g().money = 419;
    RecoveryItemsWindow& k = open();
    type(k, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    click(k.okButton);
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_EQ(box(0).text, QStringLiteral("所持金が足りません"));
    EXPECT_EQ(box(0).title, QStringLiteral("エラー"));
    EXPECT_EQ(box(0).icon, BoxIcon::Exclamation);
    EXPECT_EQ(g().money, 419);
    counts(0, 0, 0);

    g().money = 420;
    fakeBoxes().answer(Answer::Yes);
    click(k.okButton);
    ASSERT_EQ(boxCount(), 2u);
    EXPECT_EQ(box(1).text, QStringLiteral("合計金額は420Gです。よろしいですか？"));
    EXPECT_EQ(box(1).title, QStringLiteral("確認"));
    EXPECT_EQ(box(1).buttons, BoxButtons::YesNo);
    EXPECT_EQ(box(1).icon, BoxIcon::Question);
    EXPECT_EQ(g().money, 0);
    counts(1, 2, 3);
    EXPECT_EQ(k.moneyValue->text(), QStringLiteral("0"));
    EXPECT_EQ(find<kobu::StatusWindow>()->moneyValue->text(), QStringLiteral("0"));
    // The boxes keep what was typed, so OK offers the same purchase again.
    EXPECT_EQ(k.quantityBoxes[2]->text(), QStringLiteral("3"));
}

TEST_F(RecoveryItemsWindowTest, QuantitiesAreReadByTheirLeadingNumber) {
    g().money = 10000;
    RecoveryItemsWindow& k = open();
    type(k, QStringLiteral("1 2"), QStringLiteral("3個"), QStringLiteral("&H10"));
    fakeBoxes().expect(QStringLiteral("合計金額は1990Gです。よろしいですか？"), Answer::Yes);
    click(k.okButton);
    counts(12, 3, 16);
    EXPECT_EQ(g().money, 10000 - 1990);
}

// Which quantities are refused is the rules' affair; each of the
// three boxes is checked, and before an empty purchase is scolded.
TEST_F(RecoveryItemsWindowTest, NegativeAndFractionalQuantitiesAreRefused) {
    g().money = 1000;
    g().sodaCount = 2;
    const kobu::GameState before = g();
    RecoveryItemsWindow& k = open();
    type(k, QStringLiteral("-1"), QString(), QString());
    click(k.okButton);
    type(k, QString(), QStringLiteral("0.4"), QString());
    click(k.okButton);
    type(k, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2.5E-1"));
    click(k.okButton);
    ASSERT_EQ(boxCount(), 3u);
    for (const ShownBox& b : fakeBoxes().shown) {
        EXPECT_EQ(b.request.text, kRefusedQuantity);
        EXPECT_EQ(b.request.title, QStringLiteral("エラー"));
        EXPECT_EQ(b.request.icon, BoxIcon::Exclamation);
    }
    EXPECT_EQ(g(), before);
    EXPECT_EQ(k.moneyValue->text(), QStringLiteral("1000"));
}

TEST_F(RecoveryItemsWindowTest, AnsweringNoChangesNothing) {
    g().money = 1000;
    const kobu::GameState before = g();
    RecoveryItemsWindow& k = open();
    type(k, QStringLiteral("1"), QString(), QString());
    fakeBoxes().answer(Answer::No);
    click(k.okButton);
    EXPECT_EQ(g(), before);
}

TEST_F(RecoveryItemsWindowTest, ATotalBeyondSixteenBitsChangesNothing) {
    g().money = 30000;
    const kobu::GameState before = g();
    RecoveryItemsWindow& k = open();
    type(k, QString(), QString(), QStringLiteral("400"));
    fakeBoxes().autoOk = true;
    click(k.okButton);
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_TRUE(box(0).text.contains(QStringLiteral("オーバーフロー")));
    EXPECT_EQ(g(), before);
    EXPECT_EQ(find<RecoveryItemsWindow>(), &k);
}

TEST_F(RecoveryItemsWindowTest, ACountBeyondSixteenBitsTakesNoMoney) {
    // The money is taken before the counts rise; the count that cannot rise
    // puts the money back.
    g().money = 1000;
    g().sodaCount = 32767;
    const kobu::GameState before = g();
    RecoveryItemsWindow& k = open();
    type(k, QString(), QString(), QStringLiteral("1"));
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().autoOk = true;
    click(k.okButton);
    EXPECT_EQ(g(), before);
    EXPECT_TRUE(fakeBoxes().shown.back().request.text.contains(QStringLiteral("オーバーフロー")));
}

TEST_F(RecoveryItemsWindowTest, KeysFromInsideABox) {
    g().money = 1000;
    {
        RecoveryItemsWindow& k = open();
        k.quantityBoxes[0]->setFocus();
        QTest::keyClicks(k.quantityBoxes[0], QStringLiteral("2"));
        EXPECT_EQ(k.quantityBoxes[0]->text(), QStringLiteral("2"));
        // Enter in a box presses OK.
        fakeBoxes().expect(QStringLiteral("合計金額は40Gです。よろしいですか？"), Answer::No);
        key(k.quantityBoxes[0], Qt::Key_Return);
        ASSERT_EQ(boxCount(), 1u);
        // Backspace closes the window rather than deleting the digit.
        key(k.quantityBoxes[0], Qt::Key_Backspace);
        EXPECT_EQ(find<RecoveryItemsWindow>(), nullptr);
        EXPECT_TRUE(find<ShopWindow>()->isShown());
    }
    settle();
    // Esc presses Cancel; the window comes back empty next time.
    click(find<ShopWindow>()->recoveryButton);
    RecoveryItemsWindow& k = *find<RecoveryItemsWindow>();
    EXPECT_TRUE(k.quantityBoxes[0]->text().isEmpty());
    key(k.quantityBoxes[1], Qt::Key_Escape);
    EXPECT_EQ(find<RecoveryItemsWindow>(), nullptr);
    EXPECT_TRUE(find<ShopWindow>()->isShown());
    EXPECT_EQ(g().money, 1000);
}
