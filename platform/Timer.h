#pragma once
// The timers of the windows and the frame clock that paces the fast ones.

#include <QObject>
#include <functional>

class QTimer;

namespace platform {

class GameWindow;

// The timer of a window: VB-like Enabled switch, precise interval, ticks
// entered through the error guard. A tick never runs inside another handler of
// the same timer. An interval of a sixtieth of a second or less ticks on the
// frame clock: about 60 times a second on any screen, never more than once a
// frame and always on one, so a roll of a hundred ticks lasts as long as it did
// on the window systems the game was made for.
class Timer : public QObject {
    Q_OBJECT
  public:
    Timer(GameWindow* owner, int intervalMs, std::function<void()> onTick);
    ~Timer() override;
    void setEnabled(bool on);
    bool isEnabled() const;
    void setInterval(int ms);
    // Runs one tick now (tests, and a tick that is due).
    void fire();

  private:
    void start();
    void stop();
    GameWindow* owner_;
    QTimer* timer_;
    std::function<void()> onTick_;
    int interval_;
    bool enabled_ = false;
    bool pacedNow_ = false; // running on the frame clock
};

// Milliseconds a frame of the screen lasts (1000 / its refresh rate; 60 Hz
// when the screen does not say).
double frameMs();
// Milliseconds between the ticks of the frame clock: a sixtieth of a second,
// or a frame of a screen slower than that.
double tickMs();
// Tests stand in for a screen of `hz` (0: the screen's own rate).
void setRefreshRateForTests(double hz);

} // namespace platform
