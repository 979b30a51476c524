#include "platform/Services.h"

namespace platform {
namespace {

template <class Service> std::unique_ptr<Service>& slot() {
    static std::unique_ptr<Service> s;
    return s;
}

template <class Service> Service& inUse(std::unique_ptr<Service> (*makeReal)()) {
    std::unique_ptr<Service>& s = slot<Service>();
    if (!s)
        s = makeReal();
    return *s;
}

} // namespace

MessageBoxes& boxes() {
    return inUse(makeRealMessageBoxes);
}
Clock& clock() {
    return inUse(makeRealClock);
}
Random& random() {
    return inUse(makeRealRandom);
}
MidiDevice& midi() {
    return inUse(makeRealMidiDevice);
}
Announcer& announcer() {
    return inUse(makeRealAnnouncer);
}

void setMessageBoxes(std::unique_ptr<MessageBoxes> s) {
    slot<MessageBoxes>() = std::move(s);
}
void setClock(std::unique_ptr<Clock> s) {
    slot<Clock>() = std::move(s);
}
void setRandom(std::unique_ptr<Random> s) {
    slot<Random>() = std::move(s);
}
void setMidiDevice(std::unique_ptr<MidiDevice> s) {
    slot<MidiDevice>() = std::move(s);
}
void setAnnouncer(std::unique_ptr<Announcer> s) {
    slot<Announcer>() = std::move(s);
}

} // namespace platform
