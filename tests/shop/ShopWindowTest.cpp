#include "shop/ShopWindow.h"
#include "character/StatusWindow.h"
#include "shop/PowerUpWindow.h"
#include "shop/RecoveryItemsWindow.h"
#include "shop/ShopFixture.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>

using namespace platform;
using namespace testing_support;
using kobu::TownMenu;
using namespace kobu; // Store
using kobu::UpgradeRecord;

namespace {

const QString kLimitText = QStringLiteral("これ以上アップグレードできません") + QChar(10) +
                           QChar(13) + QStringLiteral("すでに最高ランクです");

UpgradeRecord rec(const QString& name, int gainA, int gainB, int price) {
    return UpgradeRecord{name, 0, gainA, gainB, price};
}

class ShopWindowTest : public shop_test::ShopTest {
  protected:
    void SetUp() override {
        ShopTest::SetUp();
        std::vector<UpgradeRecord> weapons, armour;
        for (int k = 1; k <= 7; ++k)
            weapons.push_back(rec(QStringLiteral("武器%1").arg(k), k, 10 * k, 100 * k));
        for (int k = 1; k <= 5; ++k)
            armour.push_back(rec(QStringLiteral("防具%1").arg(k), 2 * k, 20 * k, 50 * k));
        writeTable(QStringLiteral("Bukidata2.dat"), weapons);
        writeTable(QStringLiteral("Bougyo.dat"), armour);
    }
    // The way in, as the player goes: the menu's shop button.
    ShopWindow& openShop() {
        click(find<TownMenu>()->shopButton);
        ShopWindow* s = find<ShopWindow>();
        EXPECT_NE(s, nullptr);
        return *s;
    }
};

} // namespace

TEST_F(ShopWindowTest, TheMenuGivesWayToTheShop) {
    ShopWindow& s = openShop();
    EXPECT_TRUE(s.isShown());
    EXPECT_FALSE(find<TownMenu>()->isShown());
    EXPECT_EQ(s.title(), QStringLiteral("店"));
    EXPECT_EQ(s.size(), QSize(308, 226));
    EXPECT_EQ(s.powerUpButton->text(), QStringLiteral("パワーアップアイテム？"));
}

TEST_F(ShopWindowTest, TheLimitComesBeforeTheMoney) {
    g().money = 0;
    g().weaponLevel = 6;
    g().armorLevel = 5;
    const kobu::GameState before = g();
    ShopWindow& s = openShop();
    click(s.weaponButton);
    click(s.armourButton);
    ASSERT_EQ(boxCount(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(box(i).text, kLimitText);
        EXPECT_EQ(box(i).title, QStringLiteral("エラー"));
        EXPECT_EQ(box(i).icon, BoxIcon::None);
        EXPECT_EQ(box(i).buttons, BoxButtons::OK);
    }
    EXPECT_EQ(g(), before);
    EXPECT_TRUE(s.isShown());
}

TEST_F(ShopWindowTest, TooLittleMoneyIsRefused) {
    g().money = 99;
    const kobu::GameState before = g();
    ShopWindow& s = openShop();
    click(s.weaponButton);
    ASSERT_EQ(boxCount(), 1u);
    EXPECT_EQ(box(0).text, QStringLiteral("所持金が足りません"));
    EXPECT_EQ(box(0).title, QStringLiteral("エラー"));
    EXPECT_EQ(box(0).icon, BoxIcon::Exclamation);
    EXPECT_EQ(g(), before);
}

TEST_F(ShopWindowTest, MoneyEqualToThePriceBuysAndLeavesZero) {
    g().money = 100;
    ShopWindow& s = openShop();
    fakeBoxes().answer(Answer::Yes);
    click(s.weaponButton);
    const BoxRequest& ask = box(0);
    EXPECT_EQ(ask.text, QStringLiteral("100Ｇかかります。よろしいですか？"));
    EXPECT_EQ(ask.title, QStringLiteral("確認"));
    EXPECT_EQ(ask.buttons, BoxButtons::YesNo);
    EXPECT_EQ(ask.icon, BoxIcon::Question);
    EXPECT_EQ(g().money, 0);
    EXPECT_EQ(g().weaponLevel, 1);
    // The status window shows the purchase at once.
    kobu::StatusWindow* st = find<kobu::StatusWindow>();
    ASSERT_NE(st, nullptr);
    EXPECT_EQ(st->moneyValue->text(), QStringLiteral("0"));
    EXPECT_EQ(st->attackAValue->text(), QStringLiteral("9"));
    EXPECT_EQ(st->weaponValue->text(), g().weaponName);
}

TEST_F(ShopWindowTest, AnsweringNoChangesNothing) {
    g().money = 5000;
    const kobu::GameState before = g();
    ShopWindow& s = openShop();
    fakeBoxes().answer(Answer::No);
    click(s.armourButton);
    fakeBoxes().answer(Answer::No);
    click(s.weaponButton);
    EXPECT_EQ(boxCount(), 2u);
    EXPECT_EQ(g(), before);
}

TEST_F(ShopWindowTest, TheTableIsReadAfreshAtEachClick) {
    g().money = 1000;
    ShopWindow& s = openShop();
    fakeBoxes().answer(Answer::Yes);
    click(s.weaponButton);
    writeTable(QStringLiteral("Bukidata2.dat"),
               std::vector<UpgradeRecord>(7, rec(QStringLiteral("新品"), 5, 5, 7)));
    fakeBoxes().expect(QStringLiteral("7Ｇかかります。よろしいですか？"), Answer::Yes);
    click(s.weaponButton);
    EXPECT_EQ(g().weaponName.trimmed(), QStringLiteral("新品"));
}

TEST_F(ShopWindowTest, AMissingOrShortTableBuysNothingAndCreatesNoFile) {
    g().money = 1000;
    QFile::remove(path(QStringLiteral("Bukidata2.dat")));
    writeTable(QStringLiteral("Bougyo.dat"),
               std::vector<UpgradeRecord>(4, rec(QStringLiteral("盾"), 1, 1, 10)));
    const kobu::GameState before = g();
    ShopWindow& s = openShop();
    fakeBoxes().autoOk = true;
    click(s.weaponButton);
    click(s.armourButton);
    ASSERT_EQ(boxCount(), 2u);
    EXPECT_TRUE(box(0).text.contains(path(QStringLiteral("Bukidata2.dat"))))
        << box(0).text.toStdString();
    EXPECT_TRUE(box(1).text.contains(path(QStringLiteral("Bougyo.dat"))));
    EXPECT_EQ(box(0).icon, BoxIcon::Exclamation);
    EXPECT_EQ(g(), before);
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("Bukidata2.dat"))));
    EXPECT_TRUE(s.isShown());
}

TEST_F(ShopWindowTest, ASumBeyondSixteenBitsChangesNothing) {
    g().money = 1000;
    g().attackB = 32767;
    const kobu::GameState before = g();
    ShopWindow& s = openShop();
    fakeBoxes().answer(Answer::Yes);
    fakeBoxes().autoOk = true;
    click(s.weaponButton);
    ASSERT_EQ(boxCount(), 2u);
    EXPECT_EQ(box(1).text.contains(QStringLiteral("オーバーフロー")), true);
    EXPECT_EQ(g(), before);
}

TEST_F(ShopWindowTest, ThePowerUpWarningComesAfterThePowerWindowAtExactlyFive) {
    // Only 5 warns (a count above it, from a save, passes): the window must ask
    // the rule that says so, not the one that refuses a purchase.
    for (int used : {5, 6}) {
        SCOPED_TRACE(used);
        g().powerUpsUsed = used;
        if (!find<ShopWindow>())
            openShop();
        ShopWindow* s = find<ShopWindow>();
        const size_t boxesBefore = boxCount();
        if (used == 5) {
            fakeBoxes().answerWhile(Answer::Ok, [this] {
                // The power-up window is already up when the warning shows.
                ASSERT_NE(find<kobu::PowerUpWindow>(), nullptr);
                EXPECT_TRUE(find<kobu::PowerUpWindow>()->isShown());
            });
        }
        click(s->powerUpButton);
        EXPECT_FALSE(s->isShown());
        EXPECT_TRUE(find<kobu::PowerUpWindow>()->isShown());
        if (used == 5) {
            ASSERT_EQ(boxCount(), boxesBefore + 1);
            const BoxRequest& r = box(boxesBefore);
            EXPECT_EQ(r.text, QStringLiteral("パワーアップアイテムの使用は、５回までです！"));
            EXPECT_EQ(r.title, QStringLiteral("危険！"));
            EXPECT_EQ(r.icon, BoxIcon::Exclamation);
        } else {
            EXPECT_EQ(boxCount(), boxesBefore);
        }
        // Leaving the power-up window brings the same shop back.
        click(find<kobu::PowerUpWindow>()->backButton);
        EXPECT_EQ(find<ShopWindow>(), s);
        EXPECT_TRUE(s->isShown());
    }
}

TEST_F(ShopWindowTest, TheRecoveryWindowHidesTheShopAndBringsTheSameOneBack) {
    ShopWindow& s = openShop();
    click(s.recoveryButton);
    EXPECT_FALSE(s.isShown());
    kobu::RecoveryItemsWindow* k = find<kobu::RecoveryItemsWindow>();
    ASSERT_NE(k, nullptr);
    EXPECT_TRUE(k->isShown());
    k->frame()->close(); // the close box
    EXPECT_EQ(find<kobu::RecoveryItemsWindow>(), nullptr);
    EXPECT_EQ(find<ShopWindow>(), &s);
    EXPECT_TRUE(s.isShown());
    EXPECT_FALSE(find<TownMenu>()->isShown());
}

TEST_F(ShopWindowTest, EveryWayOutLeadsBackToTheMenu) {
    enum Way { Button, Backspace, ShiftBackspace, CloseBox };
    for (Way way : {Button, Backspace, ShiftBackspace, CloseBox}) {
        SCOPED_TRACE(way);
        ShopWindow& s = openShop();
        s.armourButton->setFocus();
        switch (way) {
        case Button:
            click(s.backButton);
            break;
        case Backspace:
            key(s.armourButton, Qt::Key_Backspace);
            break;
        case ShiftBackspace:
            QTest::keyClick(s.recoveryButton, Qt::Key_Backspace, Qt::ShiftModifier);
            break;
        case CloseBox:
            s.frame()->close();
            break;
        }
        EXPECT_EQ(find<ShopWindow>(), nullptr);
        EXPECT_TRUE(find<TownMenu>()->isShown());
        settle();
    }
}

TEST_F(ShopWindowTest, OtherKeysDoNothing) {
    ShopWindow& s = openShop();
    for (Qt::Key k : {Qt::Key_Escape, Qt::Key_Delete, Qt::Key_A, Qt::Key_PageUp})
        key(s.weaponButton, k);
    EXPECT_EQ(find<ShopWindow>(), &s);
    EXPECT_TRUE(s.isShown());
    EXPECT_EQ(boxCount(), 0u);
}
