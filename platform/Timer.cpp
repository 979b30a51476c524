#include "platform/Timer.h"

#include "platform/GameWindow.h"
#include "platform/Guard.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

namespace {
qint64 monotonicNs() {
    static QElapsedTimer since = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return since.nsecsElapsed();
}
} // namespace

namespace {

// The one clock of every paced timer: one wake-up for all of them, on a frame
// of the screen, so the two rolls change in the same pass of the event loop and
// reach the screen in one paint. Ticks fall due tickMs() apart, each on the
// first frame at or after its time: about 60 a second, as the game's rolls
// were made for, and on a faster screen some frames show no new value.
class FrameClock : public QObject {
  public:
    static FrameClock& instance() {
        static auto* clock = new FrameClock();
        return *clock;
    }
    void add(Timer* t) {
        paced_.push_back(t);
        if (!timer_.isActive())
            schedule(true);
    }
    void remove(Timer* t) {
        std::erase_if(paced_, [t](const QPointer<Timer>& p) { return !p || p == t; });
        if (paced_.empty())
            timer_.stop();
    }

  private:
    FrameClock() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] {
            // Scheduled before the ticks run, so a long tick (a pause) does
            // not push the next one later than its frame.
            schedule(false);
            const auto due = paced_;
            for (const QPointer<Timer>& t : due)
                if (t && t->isEnabled())
                    t->fire();
        });
    }
    void schedule(bool fresh) {
        const qint64 now = monotonicNs();
        const auto frameNs = qint64(std::llround(frameMs() * 1e6));
        const auto tickNs = qint64(std::llround(tickMs() * 1e6));
        // Ticks are counted in periods of their own length: a screen whose
        // rate changes starts the count afresh rather than wait for its old one.
        if (tickNs != tickNs_)
            fresh = true;
        tickNs_ = tickNs;
        // A tick that was missed is not made up for: the next is the next one.
        const qint64 tick = now / tickNs + 1;
        nextTick_ = fresh ? tick : std::max(nextTick_ + 1, tick);
        // Shown on the first frame at or after the tick's time.
        const qint64 dueNs = (nextTick_ * tickNs + frameNs - 1) / frameNs * frameNs;
        timer_.start(std::max(0, int(std::ceil(double(dueNs - now) / 1e6))));
    }
    QTimer timer_;
    std::vector<QPointer<Timer>> paced_;
    qint64 nextTick_ = 0;
    qint64 tickNs_ = 0;
};

} // namespace

Timer::Timer(GameWindow* owner, int intervalMs, std::function<void()> onTick)
    : QObject(owner), owner_(owner), timer_(new QTimer(this)), onTick_(std::move(onTick)),
      interval_(intervalMs) {
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &Timer::fire);
}

Timer::~Timer() {
    if (pacedNow_)
        FrameClock::instance().remove(this);
}

namespace {
double& refreshRateOverride() {
    static double hz = 0;
    return hz;
}
} // namespace

void setRefreshRateForTests(double hz) {
    refreshRateOverride() = hz;
}

double frameMs() {
    const QScreen* s = QGuiApplication::primaryScreen();
    double rate = s ? s->refreshRate() : 60.0;
    if (refreshRateOverride() > 0)
        rate = refreshRateOverride();
    if (!(rate >= 20.0 && rate <= 500.0))
        return 1000.0 / 60.0;
    return 1000.0 / rate;
}

double tickMs() {
    return std::max(frameMs(), 1000.0 / 60.0);
}

void Timer::start() {
    if (double(interval_) <= tickMs()) {
        pacedNow_ = true;
        FrameClock::instance().add(this);
    } else {
        timer_->start(interval_);
    }
}

void Timer::stop() {
    timer_->stop();
    if (pacedNow_) {
        pacedNow_ = false;
        FrameClock::instance().remove(this);
    }
}

void Timer::setEnabled(bool on) {
    if (on && owner_->isUnloaded())
        return;
    if (on == enabled_)
        return;
    enabled_ = on;
    if (on)
        start();
    else
        stop();
}

bool Timer::isEnabled() const {
    return enabled_;
}
void Timer::setInterval(int ms) {
    interval_ = ms;
    if (enabled_) {
        stop();
        start();
    }
}

void Timer::fire() {
    static thread_local std::vector<const Timer*> running;
    if (owner_->isUnloaded() || std::find(running.begin(), running.end(), this) != running.end())
        return;
    running.push_back(this);
    QPointer<Timer> self(this);
    runGuarded(owner_, onTick_);
    running.erase(std::find(running.begin(), running.end(), this));
}

} // namespace platform
