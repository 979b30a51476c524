#include "platform/Windows.h"
#include "platform/Errors.h"
#include "platform/GameWindow.h"
#include "platform/Guard.h"
#include "platform/Timer.h"
#include "support/GameTest.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>

using namespace platform;
using testing_support::GameTest;

namespace {

QStringList events;

class Probe : public GameWindow {
  public:
    Probe() : GameWindow(QStringLiteral("Probe")) {
        setClientSizeTwips(3000, 1500);
        edit = new QLineEdit(this);
        ok = new QPushButton(QStringLiteral("OK"), this);
        back = new QPushButton(QStringLiteral("Back"), this);
        closeSelf = new QPushButton(QStringLiteral("Self"), this);
        label = new QLabel(this);
        setEnterButton(ok);
        setEscapeButton(back);
        onClick(ok, [] { events << QStringLiteral("ok"); });
        onClick(back, [] { events << QStringLiteral("back"); });
        onClick(closeSelf, [this] {
            Windows::instance().close(this);
            // Still safe to touch: it is freed only after this handler.
            label->setText(QStringLiteral("after unload"));
            events << QStringLiteral("self-unloaded");
        });
    }
    void onLoad() override {
        ++loads;
        events << QStringLiteral("load");
        if (showInsideLoad)
            Windows::instance().show<Probe>();
    }
    bool canClose(CloseReason reason) override {
        events << QStringLiteral("query:%1").arg(int(reason));
        return !(reason == CloseReason::User && refuseUserClose);
    }
    bool onKeyPreview(Qt::Key key, Qt::KeyboardModifiers) override {
        events << QStringLiteral("preview:") + QKeySequence(key).toString();
        return false;
    }
    bool onControlKey(QWidget* c, Qt::Key key, Qt::KeyboardModifiers) override {
        events << QStringLiteral("control:%1:").arg(c->metaObject()->className()) +
                      QKeySequence(key).toString();
        return false;
    }
    int loads = 0;
    static inline bool showInsideLoad = false;
    static inline bool refuseUserClose = false;
    QLineEdit* edit;
    QPushButton* ok;
    QPushButton* back;
    QPushButton* closeSelf;
    QLabel* label;
};

class Second : public GameWindow {
  public:
    Second() : GameWindow(QStringLiteral("Second")) {}
};

class WindowsTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        events.clear();
        Probe::showInsideLoad = false;
        Probe::refuseUserClose = false;
    }
};

} // namespace

TEST_F(WindowsTest, ShowLoadsOnceAndBringsToFront) {
    Probe& p = forms().show<Probe>();
    forms().show<Probe>();
    EXPECT_EQ(p.loads, 1);
    EXPECT_TRUE(p.isShown());
    EXPECT_EQ(frame->mdiArea()->activeSubWindow(), p.frame());
}

TEST_F(WindowsTest, ShowFromInsideItsOwnLoadDoesNotLoadAgain) {
    Probe::showInsideLoad = true;
    Probe& p = forms().show<Probe>();
    EXPECT_EQ(p.loads, 1);
    EXPECT_EQ(forms().count(), 1);
}

TEST_F(WindowsTest, HideKeepsTheWindowAndItsContents) {
    Probe& p = forms().show<Probe>();
    p.edit->setText(QStringLiteral("abc"));
    forms().hide<Probe>();
    EXPECT_FALSE(p.isShown());
    Probe& again = forms().show<Probe>();
    EXPECT_EQ(&again, &p);
    EXPECT_EQ(again.edit->text(), QStringLiteral("abc"));
    EXPECT_EQ(again.loads, 1);
}

TEST_F(WindowsTest, UserCloseCanBeRefusedProgramClosePasses) {
    Probe::refuseUserClose = true;
    Probe& p = forms().show<Probe>();
    p.frame()->close(); // the close box
    EXPECT_EQ(forms().find<Probe>(), &p);
    EXPECT_TRUE(forms().close<Probe>());
    EXPECT_EQ(forms().find<Probe>(), nullptr);
    EXPECT_EQ(events, (QStringList{"load", "query:0", "query:1"}));
}

TEST_F(WindowsTest, UnloadedWindowComesBackFresh) {
    Probe& p = forms().show<Probe>();
    p.edit->setText(QStringLiteral("abc"));
    forms().close<Probe>();
    testing_support::settle();
    Probe& q = forms().show<Probe>();
    EXPECT_EQ(q.edit->text(), QString());
    EXPECT_EQ(q.loads, 1);
}

TEST_F(WindowsTest, AWindowMayUnloadItselfInsideItsOwnHandler) {
    Probe& p = forms().show<Probe>();
    QPointer<Probe> watch(&p);
    QTest::mouseClick(p.closeSelf, Qt::LeftButton);
    EXPECT_EQ(forms().find<Probe>(), nullptr);
    EXPECT_TRUE(events.contains(QStringLiteral("self-unloaded")));
    testing_support::settle();
    EXPECT_TRUE(watch.isNull());
}

TEST_F(WindowsTest, WindowsAreKeptInLoadOrder) {
    forms().show<Second>();
    forms().show<Probe>();
    ASSERT_EQ(forms().count(), 2);
    EXPECT_NE(dynamic_cast<Second*>(forms().at(0)), nullptr);
    EXPECT_NE(dynamic_cast<Probe*>(forms().at(1)), nullptr);
    kobu::closeAllChildWindows();
    EXPECT_EQ(forms().count(), 0);
}

TEST_F(WindowsTest, EnterAndEscReachTheDefaultAndCancelButtons) {
    Probe& p = forms().show<Probe>();
    p.edit->setFocus();
    QTest::keyClick(p.edit, Qt::Key_Return);
    QTest::keyClick(p.edit, Qt::Key_Escape);
    EXPECT_EQ(events, (QStringList{"load", "ok", "back"}));
}

TEST_F(WindowsTest, EnterOnAFocusedButtonClicksThatButton) {
    Probe& p = forms().show<Probe>();
    QTest::keyClick(p.back, Qt::Key_Return);
    EXPECT_EQ(events, (QStringList{"load", "back"}));
}

TEST_F(WindowsTest, KeyPreviewSeesAKeyBeforeTheFocusedControl) {
    Probe& p = forms().show<Probe>();
    p.setKeyPreview(true);
    QTest::keyClick(p.back, Qt::Key_PageUp);
    QTest::keyClick(p.edit, Qt::Key_W);
    EXPECT_EQ(events, (QStringList{"load", "preview:PgUp", "control:QPushButton:PgUp", "preview:W",
                                   "control:QLineEdit:W"}));
}

TEST_F(WindowsTest, WithoutPreviewOnlyTheControlSeesItsKey) {
    Probe& p = forms().show<Probe>();
    QTest::keyClick(p.back, Qt::Key_Backspace);
    EXPECT_EQ(events, (QStringList{"load", "control:QPushButton:Backspace"}));
}

TEST_F(WindowsTest, TimersStopWhenTheirWindowIsUnloaded) {
    Probe& p = forms().show<Probe>();
    int ticks = 0;
    Timer* t = p.makeTimer(1, [&] { ++ticks; });
    t->setEnabled(true);
    EXPECT_TRUE(t->isEnabled());
    forms().close<Probe>();
    EXPECT_FALSE(t->isEnabled());
    t->fire();
    EXPECT_EQ(ticks, 0);
}

TEST_F(WindowsTest, TheGuardRestoresTheStateAndReportsOnce) {
    g().money = 100;
    testing_support::fakeBoxes().answer(Answer::Ok);
    runGuarded(nullptr, [this] {
        g().money = 50;
        g().money = g().money * 1000; // overflows
    });
    EXPECT_EQ(g().money, kobu::i16(100));
    ASSERT_EQ(testing_support::fakeBoxes().shown.size(), 1u);
    EXPECT_TRUE(testing_support::fakeBoxes().shown[0].request.text.contains(
        QStringLiteral("オーバーフロー")));
    EXPECT_EQ(testing_support::fakeBoxes().shown[0].request.icon, BoxIcon::Exclamation);
}

TEST_F(WindowsTest, AnErrorInAHandlerLetsItsWindowRecover) {
    struct Fragile : GameWindow {
        Fragile() : GameWindow(QStringLiteral("Fragile")) {}
        void onError() override { recovered = true; }
        bool recovered = false;
    };
    Fragile& f = forms().show<Fragile>();
    auto* b = new QPushButton(&f);
    f.onClick(
        b, [] { throw FileError(QStringLiteral("ファイルを開けません。"), QStringLiteral("/x")); });
    testing_support::fakeBoxes().answer(Answer::Ok);
    b->click();
    EXPECT_TRUE(f.recovered);
    EXPECT_TRUE(testing_support::fakeBoxes().shown[0].request.text.contains(QStringLiteral("/x")));
}

TEST_F(WindowsTest, TwipsBecomePixelsAtFifteenEach) {
    Probe& p = forms().show<Probe>();
    EXPECT_EQ(p.size(), QSize(200, 100));
    p.setLeftTw(1500);
    p.setTopTw(0);
    EXPECT_DOUBLE_EQ(p.leftTw(), 1500);
    EXPECT_EQ(p.frame()->pos(), QPoint(100, 0));
}
