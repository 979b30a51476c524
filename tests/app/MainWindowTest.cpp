#include "app/MainWindow.h"
#include "platform/Services.h"
#include "support/GameTest.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using namespace platform;
using namespace testing_support;

namespace {

class MainWindowTest : public GameTest {};

struct Dummy : GameWindow {
    Dummy() : GameWindow(QStringLiteral("Dummy")) {}
    bool canClose(CloseReason reason) override {
        return reason != CloseReason::User; // as the menu and status window refuse the player
    }
};

// A window that opens another whenever it closes, as the purchase windows
// reopen the shop.
struct Reopener;
struct Reopened : GameWindow {
    Reopened() : GameWindow(QStringLiteral("Reopened")) {}
};
struct Reopener : GameWindow {
    Reopener() : GameWindow(QStringLiteral("Reopener")) {}
    bool canClose(CloseReason) override {
        Windows::instance().show<Reopened>();
        return true;
    }
};

} // namespace

TEST_F(MainWindowTest, FileMenuHoldsItsItemsInOrder) {
    QMenu* file = frame->menuBar()->findChild<QMenu*>(QStringLiteral("file"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), QStringLiteral("ファイル(&F)"));
    const auto actions = file->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("新規ゲーム(&N)"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("すと～り～(&S)"));
    EXPECT_TRUE(actions[2]->isSeparator());
    EXPECT_EQ(actions[3]->text(), QStringLiteral("終了(&X)"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Kobusato"));
}

TEST_F(MainWindowTest, ExitAnsweredNoChangesNothing) {
    fakeBoxes().answer(Answer::No);
    frame->exitAction()->trigger();
    ASSERT_EQ(fakeBoxes().shown.size(), 1u);
    const BoxRequest& r = fakeBoxes().shown[0].request;
    EXPECT_EQ(r.text, QStringLiteral("終了してよろしいですか？"));
    EXPECT_EQ(r.title, QStringLiteral("おわっちゃうの？"));
    EXPECT_EQ(r.buttons, BoxButtons::YesNo);
    EXPECT_EQ(r.icon, BoxIcon::Question);
    EXPECT_TRUE(frame->isVisible());
}

TEST_F(MainWindowTest, ExitAnsweredYesEndsAtOnce) {
    EXPECT_EXIT(
        {
            fakeBoxes().answer(Answer::Yes);
            frame->exitAction()->trigger();
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(MainWindowTest, CloseBoxAnsweredNoKeepsTheWindow) {
    forms().show<Dummy>();
    fakeBoxes().answer(Answer::No);
    EXPECT_FALSE(frame->confirmClose(CloseReason::User));
    const BoxRequest& r = fakeBoxes().shown.at(0).request;
    EXPECT_EQ(r.text, QStringLiteral("終了しますか？"));
    EXPECT_EQ(r.title, QStringLiteral("終了しますか？"));
    EXPECT_EQ(r.icon, BoxIcon::None);
    EXPECT_NE(find<Dummy>(), nullptr);
}

TEST_F(MainWindowTest, CloseBoxAnsweredYesEndsWithoutAskingAnyWindow) {
    EXPECT_EXIT(
        {
            forms().show<Dummy>();
            fakeBoxes().answer(Answer::Yes); // only the frame's question: no other box
            frame->confirmClose(CloseReason::User);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(MainWindowTest, ACloseForAnyOtherReasonAsksNothing) {
    EXPECT_TRUE(frame->confirmClose(CloseReason::Program));
    EXPECT_TRUE(fakeBoxes().shown.empty());
}

TEST_F(MainWindowTest, StoryShowsFourBoxesWithPausesBetween) {
    for (int i = 0; i < 4; ++i)
        fakeBoxes().answer(Answer::Ok);
    frame->storyAction()->trigger();
    EXPECT_EQ(trace(),
              (QStringList{
                  "box:ある日、相当な金をつぎ込んで組み立てたパソコンを破壊してしまった男がいた。",
                  "sleep:1000", "events", "box:新しいパソコンを組み立てようとしたが金がない",
                  "sleep:1000", "events", "box:そんな時に、賞金50000Gという武道大会が開かれる",
                  "sleep:1000", "events", "box:男は金を手に入れるべく武道大会会場へ向かう･････"}));
    for (const auto& b : fakeBoxes().shown) {
        EXPECT_EQ(b.request.title, QStringLiteral("このげ～むのすと～りぃ"));
        EXPECT_EQ(b.request.icon, BoxIcon::None);
        EXPECT_EQ(b.request.buttons, BoxButtons::OK);
    }
}

TEST_F(MainWindowTest, NewGameWithoutABegunGameAsksNothing) {
    g().money = 5; // not a begun game: the name is empty
    frame->newAction()->trigger();
    EXPECT_TRUE(fakeBoxes().shown.empty());
    EXPECT_EQ(g().money, kobu::i16(5));
    ASSERT_EQ(forms().count(), 1);
    EXPECT_TRUE(forms().at(0)->isShown());
}

TEST_F(MainWindowTest, NewGameAnsweredNoKeepsEverything) {
    g().playerName = QStringLiteral("たろう");
    g().money = 5;
    forms().show<Dummy>();
    fakeBoxes().expect(QStringLiteral("終了してもよろしいですか？"), Answer::No);
    frame->newAction()->trigger();
    EXPECT_EQ(g().money, kobu::i16(5));
    EXPECT_NE(find<Dummy>(), nullptr);
    EXPECT_EQ(fakeBoxes().shown[0].request.title, QStringLiteral("確認"));
    EXPECT_EQ(fakeBoxes().shown[0].request.icon, BoxIcon::Question);
}

TEST_F(MainWindowTest, NewGameAnsweredYesClosesEveryWindowAndResets) {
    g().playerName = QStringLiteral("たろう");
    g().money = 5;
    g().abilityPoints = 4;
    forms().show<Dummy>();
    forms().show<Reopener>();
    forms().get<Dummy>().frame()->hide();
    fakeBoxes().answer(Answer::Yes);
    frame->newAction()->trigger();
    // Also the window that a closing window opened: only name entry is left.
    ASSERT_EQ(forms().count(), 1);
    EXPECT_EQ(forms().at(0)->objectName(), QStringLiteral("NameEntryWindow"));
    EXPECT_EQ(g().money, kobu::i16(100));
    EXPECT_TRUE(g().playerName.isEmpty());
    EXPECT_EQ(g().abilityPoints, kobu::i16(4));
}
