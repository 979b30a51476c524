#include "platform/Clock.h"

#include "platform/Services.h"

#include <QCoreApplication>
#include <QEvent>
#include <chrono>
#include <thread>

namespace platform {
namespace {

class RealClock : public Clock {
  public:
    void sleep(int ms) override {
        // Paint what is pending so the player sees the message being paused on.
        // Only the paint requests themselves are sent: input, timer ticks and
        // posted calls wait until the pause is over (a press of "Stop!" made
        // during an exchange is taken after it, on the roll then running).
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
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
