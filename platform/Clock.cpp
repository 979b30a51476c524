#include "platform/Clock.h"

#include "platform/Announce.h"
#include "platform/BusCalls.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <chrono>
#include <thread>

namespace platform {

void waitUntil(std::chrono::steady_clock::time_point until) {
    // The screen reader is answered all through the wait. It asks about what it was just
    // told as it is told, and a reader left waiting stalls: Orca 48 gives a call 0.8 s, and
    // what reaches it meanwhile comes in one burst, of which it speaks one. It makes dozens
    // of calls for each thing it is told, so each is answered within a millisecond.
    watchBusCalls();
    for (auto now = std::chrono::steady_clock::now(); now < until;
         now = std::chrono::steady_clock::now()) {
        answerBusCalls();
        sendAnnouncementsBeforePause();
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            until - now, std::chrono::milliseconds(1)));
    }
    answerBusCalls();
}

namespace {

class RealClock : public Clock {
  public:
    RealClock() { watchBusCalls(); }
    void sleep(int ms) override {
        // Paint what is pending so the player sees the message being paused on.
        // Only the paint requests themselves are sent: input, timer ticks and
        // posted calls wait until the pause is over (a press of "Stop!" made
        // during an exchange is taken after it, on the roll then running).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
        waitUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(ms));
    }
    void processEvents() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }
};

} // namespace

std::unique_ptr<Clock> makeRealClock() {
    return std::make_unique<RealClock>();
}

void pauseFor(int ms) {
    clock().sleep(ms);
}
void processPendingEvents() {
    clock().processEvents();
}

} // namespace platform
