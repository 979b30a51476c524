#pragma once
// The services the game asks of the machine, each behind an interface so that
// tests can replace it: message boxes, time, randomness, the music device and
// the screen reader's announcements.
// This is where the game gets them from and where tests put their own.

#include "platform/Announce.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "platform/MidiDevice.h"
#include "platform/Random.h"

#include <memory>

namespace platform {

// The service in use, the real one made on first use.
MessageBoxes& boxes();
Clock& clock();
Random& random();
MidiDevice& midi();
Announcer& announcer();

// Replace a service (tests); passing nullptr restores the real one.
void setMessageBoxes(std::unique_ptr<MessageBoxes> s);
void setClock(std::unique_ptr<Clock> s);
void setRandom(std::unique_ptr<Random> s);
void setMidiDevice(std::unique_ptr<MidiDevice> s);
void setAnnouncer(std::unique_ptr<Announcer> s);

} // namespace platform
