#include "app/Menu.h"
#include "character/FName.h"
#include "character/Sutetasu.h"
#include "media/MidiSaisei.h"
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
    FName& open() {
        frame->newAction()->trigger();
        FName* f = find<FName>();
        EXPECT_NE(f, nullptr);
        return *f;
    }
};

} // namespace

TEST_F(NameEntryTest, EmptyNameIsRefused) {
    FName& f = open();
    fakeBoxes().expect(QStringLiteral("名前を入力してください！"), platform::vbOK);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_EQ(fakeBoxes().shown[0].request.title, QStringLiteral("えら～"));
    EXPECT_EQ(fakeBoxes().shown[0].request.icon, platform::BoxIcon::Exclamation);
    EXPECT_EQ(find<FName>(), &f);
    EXPECT_TRUE(g().playerName.isEmpty());
}

TEST_F(NameEntryTest, AFifthCharacterCannotBeTyped) {
    FName& f = open();
    QTest::keyClicks(f.TtName, QStringLiteral("Tarou"));
    EXPECT_EQ(f.TtName->text(), QStringLiteral("Taro"));
    f.TtName->clear();
    f.TtName->insert(QStringLiteral("たろうくん"));
    EXPECT_EQ(f.TtName->text(), QStringLiteral("たろうく"));
}

TEST_F(NameEntryTest, EnterActsAsOkAndBeginsTheGame) {
    FName& f = open();
    QTest::keyClicks(f.TtName, QStringLiteral("Taro"));
    QTest::keyClick(f.TtName, Qt::Key_Return);
    EXPECT_EQ(g().playerName, QStringLiteral("Taro"));
    EXPECT_EQ(find<FName>(), nullptr);
    Sutetasu* s = find<Sutetasu>();
    Menu* m = find<Menu>();
    MidiSaisei* p = find<MidiSaisei>();
    ASSERT_TRUE(s && m && p);
    EXPECT_TRUE(s->isShown());
    EXPECT_TRUE(m->isShown());
    EXPECT_FALSE(p->isShown());
    EXPECT_EQ(s->LaName->text(), QStringLiteral("Taro"));
    EXPECT_EQ(fakeMidi().playing, g().musicPaths[1]);
    EXPECT_DOUBLE_EQ(m->leftTw(), 0);
    EXPECT_DOUBLE_EQ(m->topTw(), 0);
}

TEST_F(NameEntryTest, OneBlankIsAName) {
    FName& f = open();
    QTest::keyClicks(f.TtName, QStringLiteral(" "));
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_EQ(g().playerName, QStringLiteral(" "));
}

TEST_F(NameEntryTest, RenamingAfterNewGameAnsweredNoChangesOnlyTheName) {
    FName& f = open();
    QTest::keyClicks(f.TtName, QStringLiteral("Taro"));
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    g().money = 777;
    forms().hide<Menu>();
    fakeBoxes().expect(QStringLiteral("終了してもよろしいですか？"), platform::vbNo);
    FName& again = open();
    QTest::keyClicks(again.TtName, QStringLiteral("Jiro"));
    fakeMidi().commands.clear();
    QTest::mouseClick(again.Command1, Qt::LeftButton);
    EXPECT_EQ(g().playerName, QStringLiteral("Jiro"));
    EXPECT_EQ(g().money, i16(777));
    // The status window shows the new character at once.
    EXPECT_EQ(find<Sutetasu>()->LaName->text(), QStringLiteral("Jiro"));
    EXPECT_EQ(find<Sutetasu>()->LaKane->text(), QStringLiteral("777"));
    EXPECT_TRUE(find<Menu>()->isShown());
    // The town music starts again from its beginning.
    EXPECT_EQ(fakeMidi().commands, (std::vector<QString>{"play"}));
}

TEST_F(NameEntryTest, ClosingItWithItsCloseBoxBeginsNothing) {
    FName& f = open();
    f.frame()->close();
    EXPECT_EQ(find<FName>(), nullptr);
    EXPECT_TRUE(g().playerName.isEmpty());
}

TEST_F(NameEntryTest, OnlyWhatTheSaveCanHoldIsTyped) {
    FName& f = open();
    const auto commit = [&](const QString& s) {
        // As an input method or a paste hands over text.
        QInputMethodEvent e;
        e.setCommitString(s);
        QCoreApplication::sendEvent(f.TtName, &e);
    };
    commit(QStringLiteral("た"));
    commit(QStringLiteral("😀"));
    commit(QStringLiteral("𠮷"));
    commit(QStringLiteral("e\u0301"));
    commit(QStringLiteral("\u0301"));
    commit(QStringLiteral("髙～"));
    EXPECT_EQ(f.TtName->text(), QStringLiteral("た髙～"));
    f.TtName->insert(QStringLiteral("Ω"));
    EXPECT_EQ(f.TtName->text(), QStringLiteral("た髙～Ω"));

    // What was let in comes back from the save as it was typed.
    QTest::keyClick(f.TtName, Qt::Key_Return);
    Menu* m = find<Menu>();
    ASSERT_NE(m, nullptr);
    fakeBoxes().answer(platform::vbYes);
    fakeBoxes().answer(platform::vbOK);
    m->Command4->click();
    g().playerName.clear();
    fakeBoxes().answer(platform::vbYes);
    m->Command5->click();
    EXPECT_EQ(g().playerName.trimmed(), QStringLiteral("た髙～Ω"));
}
