#include "shop/Kaifuku.h"
#include "character/Sutetasu.h"
#include "shop/ShopFixture.h"
#include "shop/Store.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace platform;
using namespace testing_support;
using kobu::Kaifuku;
using kobu::Store;

namespace {

const QString kRefusedQuantity = QStringLiteral("個数には０以上の整数を入力してください");

class KaifukuTest : public shop_test::ShopTest {
  protected:
    Kaifuku& open() {
        click(find<kobu::Menu>()->Command1);
        click(find<Store>()->Command2);
        Kaifuku* k = find<Kaifuku>();
        EXPECT_NE(k, nullptr);
        return *k;
    }
    void type(Kaifuku& k, const QString& a, const QString& b, const QString& c) {
        k.Text1[0]->setText(a);
        k.Text1[1]->setText(b);
        k.Text1[2]->setText(c);
    }
    void counts(int tap, int natural, int soda) {
        EXPECT_EQ(g().tapWaterCount, tap);
        EXPECT_EQ(g().naturalWaterCount, natural);
        EXPECT_EQ(g().sodaCount, soda);
    }
};

} // namespace

TEST_F(KaifukuTest, OpensWithEmptyBoxesAndTheMoneyShown) {
    g().money = 1234;
    Kaifuku& k = open();
    EXPECT_EQ(k.caption(), QStringLiteral("回復アイテム"));
    EXPECT_EQ(k.LaShojikin->text(), QStringLiteral("1234"));
    for (QLineEdit* e : k.Text1)
        EXPECT_TRUE(e->text().isEmpty());
    EXPECT_EQ(k.Label5->text(), QStringLiteral("２０Ｇ     ×"));
    EXPECT_EQ(k.Label7->text(), QStringLiteral("１００Ｇ   ×"));
}

TEST_F(KaifukuTest, NothingToBuyIsScolded) {
    g().money = 500;
    const kobu::GameState before = g();
    Kaifuku& k = open();
    for (const QString& text : {QString(), QStringLiteral("abc"), QStringLiteral("0")}) {
        type(k, text, text, text);
        click(k.Command1);
    }
    ASSERT_EQ(boxCount(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(box(i).text, QStringLiteral("何も買わないんやったら帰れ！！"));
        EXPECT_EQ(box(i).title, QStringLiteral("罪なる行為"));
        EXPECT_EQ(box(i).icon, BoxIcon::Exclamation);
    }
    EXPECT_EQ(g(), before);
    EXPECT_EQ(find<Kaifuku>(), &k);
}

TEST_F(KaifukuTest, OneTwoThreeCostFourHundredTwenty) {
    g().money = 419;
    Kaifuku& k = open();
    type(k, QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"));
    click(k.Command1);
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_EQ(box(0).text, QStringLiteral("所持金が足りません"));
    EXPECT_EQ(box(0).title, QStringLiteral("エラー"));
    EXPECT_EQ(box(0).icon, BoxIcon::Exclamation);
    EXPECT_EQ(g().money, 419);
    counts(0, 0, 0);

    g().money = 420;
    fakeBoxes().answer(vbYes);
    click(k.Command1);
    ASSERT_EQ(boxCount(), 2u);
    EXPECT_EQ(box(1).text, QStringLiteral("合計金額は420Gです。よろしいですか？"));
    EXPECT_EQ(box(1).title, QStringLiteral("確認"));
    EXPECT_EQ(box(1).buttons, BoxButtons::YesNo);
    EXPECT_EQ(box(1).icon, BoxIcon::Question);
    EXPECT_EQ(g().money, 0);
    counts(1, 2, 3);
    EXPECT_EQ(k.LaShojikin->text(), QStringLiteral("0"));
    EXPECT_EQ(find<kobu::Sutetasu>()->LaKane->text(), QStringLiteral("0"));
    // The boxes keep what was typed, so OK offers the same purchase again.
    EXPECT_EQ(k.Text1[2]->text(), QStringLiteral("3"));
}

TEST_F(KaifukuTest, QuantitiesAreReadByTheirLeadingNumber) {
    g().money = 10000;
    Kaifuku& k = open();
    type(k, QStringLiteral("1 2"), QStringLiteral("3個"), QStringLiteral("&H10"));
    fakeBoxes().expect(QStringLiteral("合計金額は1990Gです。よろしいですか？"), vbYes);
    click(k.Command1);
    counts(12, 3, 16);
    EXPECT_EQ(g().money, 10000 - 1990);
    // Whole numbers written otherwise are whole numbers.
    type(k, QStringLiteral("2.0"), QStringLiteral("1E1"), QString());
    fakeBoxes().expect(QStringLiteral("合計金額は540Gです。よろしいですか？"), vbYes);
    click(k.Command1);
    counts(14, 13, 16);
}

TEST_F(KaifukuTest, NegativeAndFractionalQuantitiesAreRefused) {
    g().money = 1000;
    g().sodaCount = 2;
    const kobu::GameState before = g();
    Kaifuku& k = open();
    const QStringList bad = {QStringLiteral("-1"), QStringLiteral("1.5"), QStringLiteral("0.4"),
                             QStringLiteral("-0.5"), QStringLiteral("2.5E-1")};
    for (const QString& q : bad) {
        for (int row = 0; row < 3; ++row) {
            type(k, QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"));
            k.Text1[row]->setText(q);
            click(k.Command1);
        }
    }
    ASSERT_EQ(boxCount(), size_t(bad.size() * 3));
    for (const ShownBox& b : fakeBoxes().shown) {
        EXPECT_EQ(b.request.text, kRefusedQuantity);
        EXPECT_EQ(b.request.title, QStringLiteral("エラー"));
        EXPECT_EQ(b.request.icon, BoxIcon::Exclamation);
    }
    EXPECT_EQ(g(), before);
    EXPECT_EQ(k.LaShojikin->text(), QStringLiteral("1000"));
}

TEST_F(KaifukuTest, AnsweringNoChangesNothing) {
    g().money = 1000;
    const kobu::GameState before = g();
    Kaifuku& k = open();
    type(k, QStringLiteral("1"), QString(), QString());
    fakeBoxes().answer(vbNo);
    click(k.Command1);
    EXPECT_EQ(g(), before);
}

TEST_F(KaifukuTest, ATotalBeyondSixteenBitsChangesNothing) {
    g().money = 30000;
    const kobu::GameState before = g();
    Kaifuku& k = open();
    type(k, QString(), QString(), QStringLiteral("400"));
    fakeBoxes().autoOk = true;
    click(k.Command1);
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_TRUE(box(0).text.contains(QStringLiteral("オーバーフロー")));
    EXPECT_EQ(g(), before);
    EXPECT_EQ(find<Kaifuku>(), &k);
}

TEST_F(KaifukuTest, ACountBeyondSixteenBitsTakesNoMoney) {
    // The money is taken before the counts rise; the count that cannot rise
    // puts the money back.
    g().money = 1000;
    g().sodaCount = 32767;
    const kobu::GameState before = g();
    Kaifuku& k = open();
    type(k, QString(), QString(), QStringLiteral("1"));
    fakeBoxes().answer(vbYes);
    fakeBoxes().autoOk = true;
    click(k.Command1);
    EXPECT_EQ(g(), before);
    EXPECT_TRUE(fakeBoxes().shown.back().request.text.contains(QStringLiteral("オーバーフロー")));
}

TEST_F(KaifukuTest, KeysFromInsideABox) {
    g().money = 1000;
    {
        Kaifuku& k = open();
        k.Text1[0]->setFocus();
        QTest::keyClicks(k.Text1[0], QStringLiteral("2"));
        EXPECT_EQ(k.Text1[0]->text(), QStringLiteral("2"));
        // Enter in a box presses OK.
        fakeBoxes().expect(QStringLiteral("合計金額は40Gです。よろしいですか？"), vbNo);
        key(k.Text1[0], Qt::Key_Return);
        ASSERT_EQ(boxCount(), 1u);
        // Backspace closes the window rather than deleting the digit.
        key(k.Text1[0], Qt::Key_Backspace);
        EXPECT_EQ(find<Kaifuku>(), nullptr);
        EXPECT_TRUE(find<Store>()->isShown());
    }
    settle();
    // Esc presses Cancel; the window comes back empty next time.
    click(find<Store>()->Command2);
    Kaifuku& k = *find<Kaifuku>();
    EXPECT_TRUE(k.Text1[0]->text().isEmpty());
    key(k.Text1[1], Qt::Key_Escape);
    EXPECT_EQ(find<Kaifuku>(), nullptr);
    EXPECT_TRUE(find<Store>()->isShown());
    EXPECT_EQ(g().money, 1000);
}
