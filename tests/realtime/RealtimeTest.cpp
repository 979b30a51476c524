// What only a real display shows: the real clock and event loop, focus and
// activation under a window manager. Run by under-x.sh on Xvfb with openbox.

#include "app/TownMenu.h"
#include "battle/BattleSupport.h"
#include "battle/BattleWindow.h"
#include "battle/Opponent.h"
#include "character/NameEntryWindow.h"
#include "character/SkillsWindow.h"
#include "character/StatusWindow.h"
#include "media/EndingWindow.h"
#include "platform/GameWindow.h"
#include "platform/Services.h"
#include "support/FifoTrap.h"
#include "support/GameTest.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <xcb/xcb.h>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

// The pixels of `w` as the X server has them, read over a connection of our
// own: what a player sees, whatever the game's connection still holds back.
QByteArray onScreen(const QWidget* w) {
    const QPoint at = w->mapTo(w->window(), QPoint(0, 0));
    const xcb_window_t window = static_cast<xcb_window_t>(w->window()->winId());
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    QByteArray pixels;
    if (!xcb_connection_has_error(c)) {
        const auto cookie = xcb_get_image(
            c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, std::int16_t(at.x()), std::int16_t(at.y()),
            std::uint16_t(w->width()), std::uint16_t(w->height()), ~0u);
        if (xcb_get_image_reply_t* r = xcb_get_image_reply(c, cookie, nullptr)) {
            pixels = QByteArray(reinterpret_cast<const char*>(xcb_get_image_data(r)),
                                xcb_get_image_data_length(r));
            std::free(r);
        }
    }
    xcb_disconnect(c);
    return pixels;
}

// Input through the X server, as a player's keyboard and mouse give it.
void xdotool(const QStringList& args) {
    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), args), 0)
        << args.join(' ').toStdString();
}
void clickOn(const QWidget* w) {
    const QPoint p = w->mapToGlobal(w->rect().center());
    // --sync waits for the pointer to move, which takes xdotool's long timeout
    // when it is there already (the same button clicked by an earlier test).
    QStringList args;
    if (QCursor::pos() != p)
        args << QStringLiteral("mousemove") << QStringLiteral("--sync") << QString::number(p.x())
             << QString::number(p.y());
    xdotool(args << QStringLiteral("click") << QStringLiteral("1"));
}
void pressKey(const char* key) {
    xdotool({QStringLiteral("key"), QString::fromLatin1(key)});
}

// Lets the event loop run for `ms` of real time.
void runFor(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

template <class Pred> bool waitFor(Pred done, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

} // namespace

// A pause shows what changed before it, and handles nothing else: a click made
// meanwhile, a timer falling due and a posted call all wait until it is over.
TEST(RealClock, APausePaintsButHandlesNothingElse) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("before"));
    auto* button = new QPushButton(QStringLiteral("Stop!"));
    layout->addWidget(label);
    layout->addWidget(button);
    window.resize(300, 160);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    runFor(300);
    const QByteArray before = onScreen(label);
    ASSERT_FALSE(before.isEmpty());

    int clicks = 0, ticks = 0, posted = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    clickOn(button);
    std::this_thread::sleep_for(200ms); // the click is with Qt, not yet handled
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(10);
    QMetaObject::invokeMethod(
        &window, [&] { ++posted; }, Qt::QueuedConnection);
    label->setText(QStringLiteral("プレイヤー勝利"));

    QByteArray during;
    std::thread look([&] {
        std::this_thread::sleep_for(500ms);
        during = onScreen(label);
    });
    platform::makeRealClock()->sleep(1000);
    look.join();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(posted, 0);
    EXPECT_NE(during, before) << "the message was not on screen during the pause";

    EXPECT_TRUE(waitFor([&] { return clicks == 1 && ticks > 0 && posted == 1; }));
}

namespace {

// A game in town on the real display, with the real clock; the music is silent.
class DesktopTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        platform::setClock(nullptr);
        fakeRandom().fallback = 0.5f; // the opponent's roll runs until the test stops it
        QFile roster(folder() + QStringLiteral("/Enemy.dat"));
        ASSERT_TRUE(roster.open(QIODevice::WriteOnly));
        for (int n = 1; n <= 10; ++n)
            roster.write(kobu::encodeOpponent(battle_support::opponentOf(n)));
        roster.close();
        g().playerName = QStringLiteral("たろう");
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        forms().show<kobu::StatusWindow>();
        forms().show<kobu::TownMenu>();
        runFor(200);
    }
    kobu::BattleWindow& startMatch() {
        clickOn(find<kobu::TownMenu>()->battleButton);
        EXPECT_TRUE(waitFor([&] { return find<kobu::BattleWindow>() != nullptr; }));
        kobu::BattleWindow* b = find<kobu::BattleWindow>();
        runFor(200);
        return *b;
    }
    bool keyboardIn(const QWidget* w) const {
        const QWidget* f = QApplication::focusWidget();
        return f && (f == w || w->isAncestorOf(f));
    }
};

} // namespace

// After the skills window closes, W, Space and Enter reach the match again.
TEST_F(DesktopTest, TheKeyboardGoesBackToTheMatchWhenTheSkillsWindowCloses) {
    kobu::BattleWindow& b = startMatch();
    ASSERT_TRUE(keyboardIn(&b));
    for (const char* leave : {"BackSpace", "close box"}) {
        pressKey("w");
        ASSERT_TRUE(waitFor([&] {
            auto* s = find<kobu::SkillsWindow>();
            return s && s->isShown();
        })) << leave;
        if (std::string(leave) == "BackSpace")
            pressKey("BackSpace");
        else
            find<kobu::SkillsWindow>()->frame()->close();
        ASSERT_TRUE(waitFor([&] { return find<kobu::SkillsWindow>() == nullptr; })) << leave;
        runFor(100);
        EXPECT_EQ(forms().mdiArea()->activeSubWindow(), b.frame()) << leave;
        EXPECT_TRUE(keyboardIn(&b)) << leave;
    }
    // And the keys work: W opens the skills window once more.
    pressKey("w");
    EXPECT_TRUE(waitFor([&] { return find<kobu::SkillsWindow>() != nullptr; }));
}

// About 60 roll values a second on any screen and never more than one a
// frame, so a roll of a hundred ticks lasts about 1.7 s: on the display's own
// screen, on one of 144 Hz (where some frames show no new value) and on one
// slower than 60 Hz (one value a frame).
TEST_F(DesktopTest, TheRollsRunAboutSixtyTimesASecondOnAnyScreen) {
    kobu::BattleWindow& b = startMatch();
    for (const double screenHz : {0.0, 144.0, 50.0}) {
        platform::setRefreshRateForTests(screenHz);
        const double frameRate = 1000.0 / platform::frameMs();
        runFor(100);
        b.playerTicks = 0;
        b.opponentTicks = 0;
        QElapsedTimer t;
        t.start();
        runFor(2000);
        const double seconds = double(t.nsecsElapsed()) / 1e9;
        const double expected = std::min(frameRate, 60.0);
        for (const double rate :
             {double(b.playerTicks) / seconds, double(b.opponentTicks) / seconds}) {
            // A loaded machine may drop a tick now and then, never add one.
            EXPECT_LE(rate, expected * 1.05) << "screen " << frameRate << " Hz";
            EXPECT_GE(rate, expected * 0.92) << "screen " << frameRate << " Hz";
        }
    }
    platform::setRefreshRateForTests(0);
}

// ---- Hostile files on the desktop ----------------------------------------------

// The ending reaches a FIFO among its pictures: it leaves the picture out and
// goes on, where it once waited in open() for a writer that never came.
TEST_F(GameTest, TheEndingGoesPastAFifoPicture) {
    for (const QString& n : {QStringLiteral("2"), QStringLiteral("3")})
        copyFromGame(QStringLiteral("Bmps/初期絵%1.bmp").arg(n));
    QDir().mkpath(folder() + QStringLiteral("/Bmps"));
    const FifoTrap fifo(folder() + QStringLiteral("/Bmps/初期絵4-5.bmp"));
    ASSERT_TRUE(fifo.made());
    kobu::EndingWindow::sweepSeconds = 0;
    fakeBoxes().expect(QStringLiteral("もう一度しますか"), platform::Answer::Yes);
    forms().show<kobu::EndingWindow>();
    forms().close<kobu::EndingWindow>();
    kobu::EndingWindow::sweepSeconds = 0.5;
    EXPECT_EQ(fifo.readersCaught(), 0) << "the ending waited on the FIFO";
    EXPECT_EQ(find<kobu::EndingWindow>(), nullptr);
    EXPECT_NE(find<kobu::NameEntryWindow>(), nullptr);
}

// The program itself, its settings file a FIFO: the window comes up in the
// default language and standard error says why, once.
TEST(DesktopStart, AFifoSettingsFileDoesNotHoldUpTheWindow) {
    QTemporaryDir config;
    QDir(config.path()).mkpath(QStringLiteral("kobusato"));
    const FifoTrap fifo(config.filePath(QStringLiteral("kobusato/kobusato.conf")));
    ASSERT_TRUE(fifo.made());
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(KOBUSATO_GAME_DIR "/kobusato"), QStringList());
    ASSERT_TRUE(game.waitForStarted());
    const QString pid = QString::number(game.processId());
    const bool shown = waitFor(
        [&] {
            QProcess search;
            search.start(QStringLiteral("xdotool"),
                         {QStringLiteral("search"), QStringLiteral("--all"),
                          QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), pid,
                          QStringLiteral("--name"), QStringLiteral("^Kobusato$")});
            search.waitForFinished();
            return search.exitCode() == 0;
        },
        20000);
    game.terminate();
    if (!game.waitForFinished(5000)) {
        game.kill();
        game.waitForFinished();
    }
    EXPECT_TRUE(shown) << "no window within 20 s";
    EXPECT_EQ(fifo.readersCaught(), 0) << "start-up waited on the FIFO";
    const QString said = QString::fromLocal8Bit(game.readAllStandardError());
    EXPECT_EQ(said.count(QStringLiteral("kobusato.conf is not a regular file")), 1)
        << said.toStdString();
}
