#pragma once
// Time as the game's handlers see it: a pause that shows the screen but takes
// no input, and a run of the events waiting.

#include <chrono>
#include <memory>

namespace platform {

class Clock {
  public:
    virtual ~Clock() = default;
    // Shows what has changed on screen, then blocks the thread for `ms`
    // without handling input.
    virtual void sleep(int ms) = 0;
    // Runs the window events waiting at this moment.
    virtual void processEvents() = 0;
};
void pauseFor(int ms);
void processPendingEvents();
// Blocks the thread until `until` as a pause does, input and timers held, whatever clock
// is in use: for a sequence that paces itself on the real one.
void waitUntil(std::chrono::steady_clock::time_point until);

// The real clock: the thread sleeps, the event loop runs.
std::unique_ptr<Clock> makeRealClock();

} // namespace platform
