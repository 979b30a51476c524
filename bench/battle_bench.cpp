// Figures for the battle window, on a real display (run under Xvfb):
//   build/bench/battle_bench [seconds]
// 1. Ticks per second of TimerBa and TimerE during a match, beside a bare 1 ms
//    precise QTimer in the same run, the repaints per second of the two roll
//    labels, and the process's CPU use (user + system) over the same time.
// 2. Latency from a click of "Stop!" (the opponent already stopped) to the
//    resolved speed contest's message being painted.
// The match's opponent never stops in part 1, so both rolls run throughout.

#include "app/MDIForm1.h"
#include "app/Menu.h"
#include "battle/FBattle.h"
#include "character/Sutetasu.h"
#include "platform/Application.h"
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
#include <cstdio>
#include <memory>
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
    MsgAnswer show(const BoxRequest& r) override {
        std::fprintf(stderr, "battle_bench: box: %s\n", r.text.toUtf8().constData());
        return r.buttons == BoxButtons::YesNo ? vbNo : vbOK;
    }
};

class SilentMidi : public MidiDevice {
  public:
    void setFileName(const QString&) override {}
    void close() override {}
    void open() override {}
    void play() override {}
};

// The real pause paints what changed; the bench keeps that and skips the wait.
class PaintOnlyClock : public Clock {
  public:
    PaintOnlyClock() : real_(makeRealClock()) {}
    void sleep(int) override { real_->sleep(0); }
    void doEvents() override { real_->doEvents(); }

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

FBattle& startMatch() {
    Forms& forms = Forms::instance();
    if (FBattle* old = forms.find<FBattle>())
        forms.unload(old, vbFormCode);
    forms.show<Menu>();
    forms.get<Menu>().Command3->click();
    return *forms.find<FBattle>();
}

void measureMatch(int seconds, int paintIntervalMs, const char* label) {
    FBattle& b = startMatch();
    if (paintIntervalMs >= 0)
        b.paintIntervalMs = paintIntervalMs;
    PaintWatch baPaints, ePaints;
    b.BaSai->installEventFilter(&baPaints);
    b.ESai->installEventFilter(&ePaints);
    long long bare = 0;
    QTimer t;
    t.setTimerType(Qt::PreciseTimer);
    t.setInterval(1);
    QObject::connect(&t, &QTimer::timeout, [&] { ++bare; });
    runFor(200); // settle
    b.ticksBa = 0;
    b.ticksE = 0;
    baPaints.paints = 0;
    ePaints.paints = 0;
    const double cpu0 = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    t.start();
    runFor(seconds * 1000);
    t.stop();
    const double s = wall.nsecsElapsed() / 1e9;
    const double cpu = 100.0 * (cpuSeconds() - cpu0) / s;
    const double rb = bare / s, ra = b.ticksBa / s, re = b.ticksE / s;
    std::printf("%s: bare timer %.0f ticks/s, TimerBa %.0f ticks/s (%.3f x bare), "
                "TimerE %.0f ticks/s (%.3f x bare)\n",
                label, rb, ra, ra / rb, re, re / rb);
    std::printf("%s: BaSai painted %.0f /s, ESai painted %.0f /s (paint interval %d ms)\n", label,
                baPaints.paints / s, ePaints.paints / s, b.paintIntervalMs);
    std::printf("%s: CPU %.1f %% of one core (with the bare timer running beside it)\n", label,
                cpu);
    b.BaSai->removeEventFilter(&baPaints);
    b.ESai->removeEventFilter(&ePaints);
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

    MDIForm1 frame;
    frame.resize(1024, 720);
    frame.show();
    Forms::instance().show<Sutetasu>();
    Forms::instance().show<Menu>();
    runFor(300);

    // ---- 1. Tick rates and CPU during a match --------------------------------
    std::printf("battle_bench: %d s per measurement, screen refresh %.1f Hz\n", seconds,
                QGuiApplication::primaryScreen()->refreshRate());
    {
        // The bare timer alone first: what the machine gives a 1 ms timer.
        long long bare = 0;
        QTimer t;
        t.setTimerType(Qt::PreciseTimer);
        t.setInterval(1);
        QObject::connect(&t, &QTimer::timeout, [&] { ++bare; });
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        t.start();
        runFor(seconds * 1000);
        t.stop();
        const double s = wall.nsecsElapsed() / 1e9;
        std::printf("idle:  bare timer %.0f ticks/s, CPU %.1f %% of one core\n", bare / s,
                    100.0 * (cpuSeconds() - cpu0) / s);
    }
    measureMatch(seconds, -1, "match");
    // For comparison only: what a repaint on every tick would cost.
    measureMatch(seconds, 0, "every tick");

    // ---- 2. "Stop!" to the painted message ---------------------------------------
    {
        draws->never = false;
        std::vector<double> toMessage, inHandler;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 100; ++i) {
            FBattle& b = startMatch();
            runFor(30); // both rolls running
            // The opponent's roll has stopped by its chance.
            b.TimerE->setEnabled(false);
            game().enemyRollStopped = kTrue;
            runFor(20);
            PaintWatch watch;
            watch.clock = &clock;
            b.LaMsg->installEventFilter(&watch);
            watch.arm();
            const qint64 t0 = clock.nsecsElapsed();
            QTest::mouseClick(b.Command1, Qt::LeftButton);
            const qint64 t1 = clock.nsecsElapsed();
            // A speed loss starts its step without a pause: its message is
            // painted by the event loop, as soon as it runs.
            for (int spin = 0; spin < 1000 && watch.firstAfterArm < 0; ++spin)
                QCoreApplication::processEvents();
            if (watch.firstAfterArm >= 0)
                toMessage.push_back((watch.firstAfterArm - t0) / 1e6);
            if (qEnvironmentVariableIsSet("BATTLE_BENCH_VERBOSE"))
                std::printf("  %s %.2f ms\n", b.LaMsg->text().toUtf8().constData(),
                            (watch.firstAfterArm - t0) / 1e6);
            inHandler.push_back((t1 - t0) / 1e6);
            b.LaMsg->removeEventFilter(&watch);
        }
        std::printf("stop:  click to painted message: median %.2f ms, 95th percentile %.2f ms, "
                    "max %.2f ms (%zu samples)\n",
                    quantile(toMessage, 0.5), quantile(toMessage, 0.95), quantile(toMessage, 1.0),
                    toMessage.size());
        std::printf("stop:  click handled (resolution, without the pause): median %.3f ms\n",
                    quantile(inHandler, 0.5));
    }
    Forms::instance().unload<FBattle>();
    return 0;
}
