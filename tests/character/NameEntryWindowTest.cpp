#include "character/NameEntryWindow.h"
#include "app/TownMenu.h"
#include "character/StatusWindow.h"
#include "media/MusicPlayer.h"
#include "support/GameTest.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace testing_support;
using namespace kobu;

namespace {

class NameEntryTest : public GameTest {
  protected:
    NameEntryWindow& open() {
        frame->newAction()->trigger();
        NameEntryWindow* f = find<NameEntryWindow>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
};

} // namespace

TEST_F(NameEntryTest, EmptyNameIsRefused) {
    NameEntryWindow& f = open();
    fakeBoxes().expect(QStringLiteral("名前を入力してください！"), platform::Answer::Ok);
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    EXPECT_EQ(fakeBoxes().shown[0].request.title, QStringLiteral("えら～"));
    EXPECT_EQ(fakeBoxes().shown[0].request.icon, platform::BoxIcon::Exclamation);
    EXPECT_EQ(find<NameEntryWindow>(), &f);
    EXPECT_TRUE(g().playerName.isEmpty());
}

TEST_F(NameEntryTest, AFifthCharacterCannotBeTyped) {
    NameEntryWindow& f = open();
    QTest::keyClicks(f.nameBox, QStringLiteral("Tarou"));
    EXPECT_EQ(f.nameBox->text(), QStringLiteral("Taro"));
    f.nameBox->clear();
    f.nameBox->insert(QStringLiteral("たろうくん"));
    EXPECT_EQ(f.nameBox->text(), QStringLiteral("たろうく"));
}

TEST_F(NameEntryTest, EnterActsAsOkAndBeginsTheGame) {
    NameEntryWindow& f = open();
    QTest::keyClicks(f.nameBox, QStringLiteral("Taro"));
    QTest::keyClick(f.nameBox, Qt::Key_Return);
    EXPECT_EQ(g().playerName, QStringLiteral("Taro"));
    EXPECT_EQ(find<NameEntryWindow>(), nullptr);
    StatusWindow* s = find<StatusWindow>();
    TownMenu* m = find<TownMenu>();
    MusicPlayer* p = find<MusicPlayer>();
    ASSERT_TRUE(s && m && p);
    EXPECT_TRUE(s->isShown());
    EXPECT_TRUE(m->isShown());
    EXPECT_FALSE(p->isShown());
    EXPECT_EQ(s->nameValue->text(), QStringLiteral("Taro"));
    EXPECT_EQ(fakeMidi().playing, g().musicPaths[1]);
    EXPECT_DOUBLE_EQ(m->leftTw(), 0);
    EXPECT_DOUBLE_EQ(m->topTw(), 0);
}

TEST_F(NameEntryTest, OneBlankIsAName) {
    NameEntryWindow& f = open();
    QTest::keyClicks(f.nameBox, QStringLiteral(" "));
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    EXPECT_EQ(g().playerName, QStringLiteral(" "));
}

TEST_F(NameEntryTest, RenamingAfterNewGameAnsweredNoChangesOnlyTheName) {
    NameEntryWindow& f = open();
    QTest::keyClicks(f.nameBox, QStringLiteral("Taro"));
    QTest::mouseClick(f.okButton, Qt::LeftButton);
    g().money = 777;
    forms().hide<TownMenu>();
    fakeBoxes().expect(QStringLiteral("終了してもよろしいですか？"), platform::Answer::No);
    NameEntryWindow& again = open();
    QTest::keyClicks(again.nameBox, QStringLiteral("Jiro"));
    fakeMidi().commands.clear();
    QTest::mouseClick(again.okButton, Qt::LeftButton);
    EXPECT_EQ(g().playerName, QStringLiteral("Jiro"));
    EXPECT_EQ(g().money, i16(777));
    // The status window shows the new character at once.
    EXPECT_EQ(find<StatusWindow>()->nameValue->text(), QStringLiteral("Jiro"));
    EXPECT_EQ(find<StatusWindow>()->moneyValue->text(), QStringLiteral("777"));
    EXPECT_TRUE(find<TownMenu>()->isShown());
    // The town music starts again from its beginning.
    EXPECT_EQ(fakeMidi().commands, (std::vector<QString>{"play"}));
}

TEST_F(NameEntryTest, ClosingItWithItsCloseBoxBeginsNothing) {
    NameEntryWindow& f = open();
    f.frame()->close();
    EXPECT_EQ(find<NameEntryWindow>(), nullptr);
    EXPECT_TRUE(g().playerName.isEmpty());
}

TEST_F(NameEntryTest, OnlyWhatTheSaveCanHoldIsTyped) {
    NameEntryWindow& f = open();
    const auto commit = [&](const QString& s) {
        // As an input method or a paste hands over text.
        QInputMethodEvent e;
        e.setCommitString(s);
        QCoreApplication::sendEvent(f.nameBox, &e);
    };
    commit(QStringLiteral("た"));
    commit(QStringLiteral("😀"));
    commit(QStringLiteral("𠮷"));
    commit(QStringLiteral("e\u0301"));
    commit(QStringLiteral("\u0301"));
    commit(QStringLiteral("髙～"));
    EXPECT_EQ(f.nameBox->text(), QStringLiteral("た髙～"));
    f.nameBox->insert(QStringLiteral("Ω"));
    EXPECT_EQ(f.nameBox->text(), QStringLiteral("た髙～Ω"));

    // What was let in comes back from the save as it was typed.
    QTest::keyClick(f.nameBox, Qt::Key_Return);
    TownMenu* m = find<TownMenu>();
    ASSERT_NE(m, nullptr);
    fakeBoxes().answer(platform::Answer::Yes);
    fakeBoxes().answer(platform::Answer::Ok);
    m->saveButton->click();
    g().playerName.clear();
    fakeBoxes().answer(platform::Answer::Yes);
    m->loadButton->click();
    EXPECT_EQ(g().playerName.trimmed(), QStringLiteral("た髙～Ω"));
}
