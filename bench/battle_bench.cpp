// Figures for the battle window, on a real display (run under Xvfb):
//   build/bench/battle_bench [seconds]
// 1. Ticks per second of the two roll timers during a match against the frame
//    clock's rate, 60 a second or the refresh rate of a slower screen (goal:
//    within 5 %), the share of those ticks whose running number was painted
//    (goal: at least 95 %), and the
//    process's CPU use (user + system) over the same time (goal: <= 3 %). The
//    opponent never stops here, so both rolls run throughout.
// 2. The opponent's roll as the rules stop it (1 in 100 a tick): its mean
//    length in ticks' time of the frame clock (goal: 100 +/- 10).
// 3. Latency from a click of "Stop!" (the opponent already stopped) to the
//    resolved speed contest's message being painted (goal: one frame).

#include "app/MainWindow.h"
#include "app/TownMenu.h"
#include "battle/BattleWindow.h"
#include "character/StatusWindow.h"
#include "platform/Application.h"
#include "platform/GameWindow.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

using namespace kobu;
using namespace platform;

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Boxes answer themselves: the bench has nobody to read them.
class SilentBoxes : public MessageBoxes {
  public:
    Answer show(const BoxRequest& r) override {
        std::fprintf(stderr, "battle_bench: box: %s\n", r.text.toUtf8().constData());
        return r.buttons == BoxButtons::YesNo ? Answer::No : Answer::Ok;
    }
};

class SilentMidi : public MidiDevice {
  public:
    void play(const QString&) override {}
    void stop() override {}
    void setVolume(double) override {}
};

// The real pause paints what changed; the bench keeps that and skips the wait.
class PaintOnlyClock : public Clock {
  public:
    PaintOnlyClock() : real_(makeRealClock()) {}
    void sleep(int) override { real_->sleep(0); }
    void processEvents() override { real_->processEvents(); }

  private:
    std::unique_ptr<Clock> real_;
};

// Real draws, kept at 0.01 and above so that the opponent's roll never stops.
class NeverStopping : public Random {
  public:
    NeverStopping() : real_(makeRealRandom()) {}
    float next() override { return never ? 0.01f + 0.98f * real_->next() : real_->next(); }
    bool never = true;

  private:
    std::unique_ptr<Random> real_;
};

// Counts paints of a label, and remembers when the first one after `arm` came.
class PaintWatch : public QObject {
  public:
    int paints = 0;
    QElapsedTimer* clock = nullptr;
    qint64 firstAfterArm = -1;
    bool armed = false;
    void arm() {
        armed = true;
        firstAfterArm = -1;
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            ++paints;
            if (armed && clock) {
                firstAfterArm = clock->nsecsElapsed();
                armed = false;
            }
        }
        return false;
    }
};

void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

BattleWindow& startMatch() {
    Windows& forms = Windows::instance();
    if (BattleWindow* old = forms.find<BattleWindow>())
        forms.close(old);
    forms.show<TownMenu>();
    forms.get<TownMenu>().battleButton->click();
    return *forms.find<BattleWindow>();
}

void measureMatch(int seconds) {
    BattleWindow& b = startMatch();
    // Wide ranges, so that nearly every tick shows a new number that must be
    // painted (a repeated number needs no paint).
    game().speed = 30000;
    game().opponent.enemySpeed = 30000;
    const double rate = 1000.0 / tickMs();
    PaintWatch baPaints, ePaints, windowPaints;
    b.playerRoll->installEventFilter(&baPaints);
    b.opponentRoll->installEventFilter(&ePaints);
    // The window and its frame behind the numbers should not repaint with them.
    b.frame()->installEventFilter(&windowPaints);
    runFor(200); // settle
    {
        // The same window with its rolls stopped: what the rest of the game
        // and the window system cost meanwhile.
        b.playerRollTimer->setEnabled(false);
        b.opponentRollTimer->setEnabled(false);
        const double idle0 = cpuSeconds();
        QElapsedTimer idle;
        idle.start();
        runFor(seconds * 1000);
        std::printf("match: CPU with the rolls stopped %.1f %% of one core\n",
                    100.0 * (cpuSeconds() - idle0) / (idle.nsecsElapsed() / 1e9));
        b.playerRollTimer->setEnabled(true);
        b.opponentRollTimer->setEnabled(true);
        runFor(200);
    }
    b.playerTicks = 0;
    b.opponentTicks = 0;
    windowPaints.paints = 0;
    baPaints.paints = 0;
    ePaints.paints = 0;
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(seconds * 1000);
    const double s = wall.nsecsElapsed() / 1e9;
    const double cpu = 100.0 * (cpuSeconds() - cpu0) / s;
    const double ra = b.playerTicks / s, re = b.opponentTicks / s;
    std::printf("match: player's roll %.1f ticks/s (%+.1f %% of the clock's rate), opponent's roll "
                "%.1f ticks/s "
                "(%+.1f %%) (goal within 5 %%)\n",
                ra, 100.0 * (ra / rate - 1), re, 100.0 * (re / rate - 1));
    const double ticks = s * rate;
    std::printf("match: ticks with the running number painted: player's roll %.1f %%, opponent's "
                "roll %.1f %% "
                "(goal >= 95 %%)\n",
                100.0 * std::min(1.0, baPaints.paints / ticks),
                100.0 * std::min(1.0, ePaints.paints / ticks));
    std::printf("match: CPU %.1f %% of one core (goal <= 3 %%)\n", cpu);
    std::printf("match: the window's frame repainted %.1f times a second\n",
                windowPaints.paints / s);
    b.playerRoll->removeEventFilter(&baPaints);
    b.opponentRoll->removeEventFilter(&ePaints);
    b.frame()->removeEventFilter(&windowPaints);
}

// For comparison: a bare Qt window whose two opaque labels show a new number
// every frame, what painting the numbers costs on this machine at least.
void measureBareLabels(int seconds) {
    QWidget w;
    w.resize(450, 290);
    QLabel a(&w), b(&w);
    QFont font(QStringLiteral("Liberation Serif"), 18);
    font.setBold(true);
    int x = 136;
    for (QLabel* l : {&a, &b}) {
        l->setGeometry(x, 88, 81, 57);
        l->setFont(font);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        x += 96;
    }
    w.show();
    int n = 0;
    QTimer t;
    t.setTimerType(Qt::PreciseTimer);
    t.setInterval(int(1000 / QGuiApplication::primaryScreen()->refreshRate()));
    QObject::connect(&t, &QTimer::timeout, [&] {
        ++n;
        a.setText(QString::number(n * 7919 % 30000));
        b.setText(QString::number(n * 104729 % 30000));
    });
    t.start();
    runFor(200);
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(seconds * 1000);
    std::printf("bare:  a bare window painting two numbers a frame: CPU %.1f %% of one core\n",
                100.0 * (cpuSeconds() - cpu0) / (wall.nsecsElapsed() / 1e9));
}

// The opponent's rolls, stopped by real draws: their length in ticks' time.
void measureOpponentRolls(int seconds, NeverStopping& draws) {
    draws.never = false;
    const double rate = 1000.0 / tickMs();
    std::vector<double> lengths;
    double ticks = 0;
    QElapsedTimer wall;
    wall.start();
    while (wall.elapsed() < seconds * 1000) {
        BattleWindow& b = startMatch();
        QElapsedTimer roll;
        roll.start();
        while (!game().enemyRollStopped.truth() && roll.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        lengths.push_back(double(roll.nsecsElapsed()) / 1e9 * rate);
        ticks += double(b.opponentTicks);
    }
    double sum = 0, sq = 0;
    for (double v : lengths) {
        sum += v;
        sq += v * v;
    }
    const double n = double(lengths.size());
    const double mean = sum / n;
    const double se = std::sqrt(std::max(0.0, sq / n - mean * mean) / n);
    std::printf("rolls: the opponent's roll lasts %.1f ticks' time on average (+/- %.1f, %zu "
                "rolls; goal 100 +/- 10); %.3f ticks' time a tick, so the rule's 100 ticks a "
                "roll last %.1f\n",
                mean, se, lengths.size(), sum / ticks, 100.0 * sum / ticks);
    draws.never = true;
}

// The value below which `share` of the samples lie.
double quantile(std::vector<double> v, double share) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(share * double(v.size())))];
}

} // namespace

int main(int argc, char** argv) {
    Application app(argc, argv);
    installStateSnapshots();
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    setMessageBoxes(std::make_unique<SilentBoxes>());
    setMidiDevice(std::make_unique<SilentMidi>());
    setClock(std::make_unique<PaintOnlyClock>());
    auto random = std::make_unique<NeverStopping>();
    NeverStopping* draws = random.get();
    setRandom(std::move(random));

    GameState& g = game();
    assignStartValues(g);
    const ProgramPaths p = pathsFromFolder(QStringLiteral(KOBUSATO_GAME_DIR));
    g.appPath = p.appPath;
    g.musicPaths = p.musicPaths;
    g.playerName = QStringLiteral("ベンチ");
    g.hp = 30000; // the match must outlast the measurement
    g.maxHp = 30000;

    MainWindow frame;
    frame.resize(1024, 720);
    frame.show();
    Windows::instance().show<StatusWindow>();
    Windows::instance().show<TownMenu>();
    runFor(300);

    // ---- 1. Tick rates, painted frames and CPU during a match -------------------
    std::printf("battle_bench: %d s per measurement, screen refresh %.1f Hz, %.1f ticks/s\n",
                seconds, QGuiApplication::primaryScreen()->refreshRate(), 1000.0 / tickMs());
    measureMatch(seconds);
    measureBareLabels(seconds);
    if (argc > 2 && std::string(argv[2]) == "match")
        return 0; // the match alone, for a profiler
    // ---- 2. The opponent's roll as chance stops it ------------------------------
    measureOpponentRolls(std::max(seconds * 6, 30), *draws);

    // ---- 3. "Stop!" to the painted message ---------------------------------------
    {
        draws->never = false;
        std::vector<double> toMessage, inHandler;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 100; ++i) {
            BattleWindow& b = startMatch();
            runFor(30); // both rolls running
            // The opponent's roll has stopped by its chance.
            b.opponentRollTimer->setEnabled(false);
            game().enemyRollStopped = kTrue;
            runFor(20);
            PaintWatch watch;
            watch.clock = &clock;
            b.messageLabel->installEventFilter(&watch);
            watch.arm();
            const qint64 t0 = clock.nsecsElapsed();
            QTest::mouseClick(b.stopButton, Qt::LeftButton);
            const qint64 t1 = clock.nsecsElapsed();
            // A speed loss starts its step without a pause: its message is
            // painted by the event loop, as soon as it runs.
            for (int spin = 0; spin < 1000 && watch.firstAfterArm < 0; ++spin)
                QCoreApplication::processEvents();
            if (watch.firstAfterArm >= 0)
                toMessage.push_back((watch.firstAfterArm - t0) / 1e6);
            if (qEnvironmentVariableIsSet("BATTLE_BENCH_VERBOSE"))
                std::printf("  %s %.2f ms\n", b.messageLabel->text().toUtf8().constData(),
                            (watch.firstAfterArm - t0) / 1e6);
            inHandler.push_back((t1 - t0) / 1e6);
            b.messageLabel->removeEventFilter(&watch);
        }
        std::printf("stop:  click to painted message: median %.2f ms, 95th percentile %.2f ms, "
                    "max %.2f ms (%zu samples; goal one frame, %.1f ms)\n",
                    quantile(toMessage, 0.5), quantile(toMessage, 0.95), quantile(toMessage, 1.0),
                    toMessage.size(), 1000.0 / QGuiApplication::primaryScreen()->refreshRate());
        std::printf("stop:  click handled (resolution, without the pause): median %.3f ms\n",
                    quantile(inHandler, 0.5));
    }
    Windows::instance().close<BattleWindow>();
    return 0;
}
