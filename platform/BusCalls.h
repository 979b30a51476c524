#pragma once
// A screen reader's calls to the game, answered while the game pauses.

namespace platform {

// Starts noting which objects the accessibility bus's calls are delivered to; the calls
// themselves go on as ever. Needs the application; called again, it does nothing.
void watchBusCalls();

// Answers the bus calls waiting for the objects noted so far, and nothing else: no input,
// no timer, no call the game posted to itself.
void answerBusCalls();

} // namespace platform
