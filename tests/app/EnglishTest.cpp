// The English game over every window: what the player reads is English, fits
// its control in the face it is drawn in, and follows a change of language
// at once; back in Japanese every window is exactly as before.
#include "app/SecretCodeWindow.h"
#include "app/TownMenu.h"
#include "battle/BattleSupport.h"
#include "battle/BattleWindow.h"
#include "character/AllocationWindow.h"
#include "character/NameEntryWindow.h"
#include "character/SkillsWindow.h"
#include "character/StatusWindow.h"
#include "platform/Controls.h"
#include "platform/Language.h"
#include "shop/ItemsWindow.h"
#include "shop/PowerUpWindow.h"
#include "shop/RecoveryItemsWindow.h"
#include "shop/ShopWindow.h"
#include "support/GameTest.h"
#include "support/Japanese.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

using namespace kobu;
using namespace platform;
using testing_support::fakeBoxes;
using testing_support::GameTest;
using testing_support::readsJapanese;
using testing_support::settle;

namespace {

struct Shown {
    QString text;
    QFont font;
    bool operator==(const Shown&) const = default;
};

class EnglishTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
        copyFromGame(QStringLiteral("Enemy.dat"));
        g().playerName = QStringLiteral("Kobu");
        g().abilityPoints = 7;
        g().money = 1234;
        // Every window of the game at once, as far as the game lets them be.
        forms().show<NameEntryWindow>();
        forms().show<StatusWindow>();
        forms().show<TownMenu>();
        forms().show<ShopWindow>();
        forms().show<RecoveryItemsWindow>();
        forms().show<PowerUpWindow>();
        forms().show<ItemsWindow>();
        forms().show<SecretCodeWindow>();
        forms().show<AllocationWindow>();
        BattleWindow& battle = forms().show<BattleWindow>();
        battle_support::tame(battle);
        forms().show<SkillsWindow>();
        settle();
    }

    std::vector<GameWindow*> windows() {
        std::vector<GameWindow*> all;
        for (int i = 0; i < forms().count(); ++i)
            all.push_back(forms().at(i));
        return all;
    }

    // Each label's and button's text and face, and each title, by name.
    std::map<QString, Shown> shown() {
        std::map<QString, Shown> out;
        for (GameWindow* w : windows()) {
            const QString at = w->objectName() + QLatin1Char('/');
            out[at] = {w->frame()->windowTitle(), w->frame()->font()};
            for (QLabel* l : w->findChildren<QLabel*>())
                out[at + l->objectName() + QString::number(quintptr(l))] = {l->text(), l->font()};
            for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
                out[at + b->objectName() + QString::number(quintptr(b))] = {b->text(), b->font()};
        }
        return out;
    }
};

// The room a title has in its window's title bar, between the icon and the
// buttons.
int titleRoom(QMdiSubWindow* frame) {
    QStyleOptionTitleBar o;
    o.initFrom(frame);
    o.rect = QRect(0, 0, frame->width(),
                   frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, frame));
    o.titleBarFlags = frame->windowFlags();
    o.subControls = QStyle::SC_All;
    o.text = frame->windowTitle();
    return frame->style()
        ->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarLabel, frame)
        .width();
}

} // namespace

TEST_F(EnglishTest, EveryWindowSwitchesAtOnceReadsEnglishThatFitsAndComesBackJapaneseAsItWas) {
    const std::map<QString, Shown> japanese = shown();
    ASSERT_GE(windows().size(), 11u);

    chooseLanguage(Language::English);
    settle();
    for (GameWindow* w : windows()) {
        const std::string name = w->objectName().toStdString();
        QMdiSubWindow* frame = w->frame();
        const QString title = frame->windowTitle();
        EXPECT_FALSE(readsJapanese(title)) << name << ": " << title.toStdString();
        EXPECT_LE(QFontMetrics(frame->font()).horizontalAdvance(title), titleRoom(frame))
            << name << ": " << title.toStdString();
        QList<QWidget*> controls;
        for (QLabel* l : w->findChildren<QLabel*>())
            controls.append(l);
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
            controls.append(b);
        for (QWidget* c : controls) {
            const QString text = c->property("text").toString();
            EXPECT_FALSE(readsJapanese(text) || readsJapanese(c->accessibleName()))
                << name << "/" << c->objectName().toStdString() << ": " << text.toStdString();
            EXPECT_TRUE(textFits(c))
                << name << "/" << c->objectName().toStdString() << ": " << text.toStdString()
                << " in " << c->font().toString().toStdString();
            // Smaller where it must be, but still a face one can read.
            EXPECT_GE(c->font().pointSizeF(), 7.0) << name << "/" << c->objectName().toStdString();
        }
    }
    // Texts that hold the game's state are shown again from it.
    BattleWindow* battle = find<BattleWindow>();
    EXPECT_EQ(battle->messageLabel->text(), QStringLiteral("Fight!"));
    EXPECT_EQ(battle->frame()->windowTitle(), QStringLiteral("Round 1"));
    EXPECT_EQ(find<StatusWindow>()->weaponValue->text(), QStringLiteral("Flimsy Bat"));

    chooseLanguage(Language::Japanese);
    settle();
    const std::map<QString, Shown> again = shown();
    for (const auto& [name, before] : japanese) {
        ASSERT_TRUE(again.contains(name)) << name.toStdString();
        EXPECT_EQ(again.at(name).text, before.text) << name.toStdString();
        EXPECT_EQ(again.at(name).font, before.font) << name.toStdString();
    }
}

namespace {

// A game played on in English the way a player goes: the menu's buttons, the
// shop, the save slot.
class EnglishPlayTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        for (const char* file :
             {"translations/kobusato_en.qm", "Enemy.dat", "Bukidata2.dat", "Bougyo.dat"})
            copyFromGame(QString::fromLatin1(file));
        g().playerName = QStringLiteral("たろう");
        g().money = 10000;
        forms().show<StatusWindow>();
        menu = &forms().show<TownMenu>();
    }
    void saveAndLoad() {
        fakeBoxes().answer(Answer::Yes);
        fakeBoxes().answer(Answer::Ok);
        menu->saveButton->click();
        fakeBoxes().answer(Answer::Yes);
        menu->loadButton->click();
        settle();
    }
    QString weapon() { return find<StatusWindow>()->weaponValue->text(); }
    QString armour() { return find<StatusWindow>()->armourValue->text(); }
    TownMenu* menu = nullptr;
};

} // namespace

// The game holds the names padded to the record's width, from the tables and
// from a save alike; the player reads them translated all the same.
TEST_F(EnglishPlayTest, EquipmentNamesStayEnglishAfterAnUpgradeAndAfterALoad) {
    chooseLanguage(Language::English);
    saveAndLoad();
    EXPECT_EQ(weapon(), QStringLiteral("Flimsy Bat"));
    EXPECT_EQ(armour(), QStringLiteral("Plain Clothes"));

    menu->shopButton->click();
    ShopWindow* shop = find<ShopWindow>();
    ASSERT_NE(shop, nullptr);
    fakeBoxes().answer(Answer::Yes);
    shop->weaponButton->click();
    fakeBoxes().answer(Answer::Yes);
    shop->armourButton->click();
    EXPECT_EQ(weapon(), QStringLiteral("Sturdy Wooden Sword"));
    EXPECT_EQ(armour(), QStringLiteral("Thick Tracksuit"));
    shop->backButton->click();
    saveAndLoad();
    EXPECT_EQ(weapon(), QStringLiteral("Sturdy Wooden Sword"));
    EXPECT_EQ(armour(), QStringLiteral("Thick Tracksuit"));

    // The Japanese game shows the held name as it always did, padding and all.
    chooseLanguage(Language::Japanese);
    settle();
    EXPECT_EQ(weapon(), g().weaponName);
    EXPECT_TRUE(g().weaponName.startsWith(QStringLiteral("丈夫な木刀  ")));
}

// A loaded name is padded far beyond its label; it is the player's own, not a
// translation, and keeps its face in either language.
TEST_F(EnglishPlayTest, ThePlayersNameKeepsItsFaceAcrossALanguageSwitchInAMatchAfterALoad) {
    saveAndLoad();
    menu->battleButton->click();
    BattleWindow* battle = find<BattleWindow>();
    ASSERT_NE(battle, nullptr);
    battle_support::tame(*battle);
    const QFont face = battle->playerName->font();
    const QFont hp = battle->playerHp->font();
    chooseLanguage(Language::English);
    settle();
    EXPECT_EQ(battle->playerName->text(), g().playerName);
    EXPECT_EQ(battle->playerName->font(), face)
        << face.pointSizeF() << " became " << battle->playerName->font().pointSizeF();
    EXPECT_EQ(battle->playerHp->font(), hp);
    EXPECT_EQ(find<StatusWindow>()->nameValue->font().pointSizeF(), 14.0);
}
