#include "support/Fakes.h"

#include "platform/GameWindow.h"

#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <numeric>

namespace testing_support {
namespace {
FakeBoxes* gBoxes = nullptr;
FakeClock* gClock = nullptr;
FakeRandom* gRandom = nullptr;
FakeMidi* gMidi = nullptr;
FakeAnnouncer* gAnnouncer = nullptr;
} // namespace

QStringList& trace() {
    static QStringList t;
    return t;
}

QStringList& heard() {
    static QStringList h;
    return h;
}

platform::Answer FakeBoxes::show(const platform::BoxRequest& r) {
    trace().append(QStringLiteral("box:") + r.text);
    heard().append(QStringLiteral("box:") + r.text);
    platform::Answer a =
        r.buttons == platform::BoxButtons::OK ? platform::Answer::Ok : platform::Answer::No;
    if (script_.empty()) {
        if (!(autoOk && r.buttons == platform::BoxButtons::OK))
            ADD_FAILURE() << "unexpected message box: " << r.text.toStdString() << " / "
                          << r.title.toStdString();
    } else {
        Step s = std::move(script_.front());
        script_.pop_front();
        if (s.text && *s.text != r.text)
            ADD_FAILURE() << "expected box " << s.text->toStdString() << " but got "
                          << r.text.toStdString();
        a = s.answer;
        if (r.buttons == platform::BoxButtons::OK)
            a = platform::Answer::Ok;
        shown.push_back({r, a});
        if (s.during)
            s.during();
        return a;
    }
    shown.push_back({r, a});
    return a;
}

QStringList FakeBoxes::texts() const {
    QStringList l;
    for (const auto& b : shown)
        l.append(b.request.text);
    return l;
}

void FakeClock::sleep(int ms) {
    trace().append(QStringLiteral("sleep:%1").arg(ms));
    sleeps.push_back(ms);
    if (onSleep)
        onSleep(ms);
}

void FakeClock::processEvents() {
    trace().append(QStringLiteral("events"));
    ++eventRuns;
    if (onDoEvents)
        onDoEvents();
    QCoreApplication::processEvents();
}

int FakeClock::totalSleep() const {
    return std::accumulate(sleeps.begin(), sleeps.end(), 0);
}

float FakeRandom::next() {
    ++draws;
    if (values.empty())
        return fallback;
    const float v = values.front();
    values.pop_front();
    return v;
}

void FakeMidi::play(const QString& path) {
    trace().append(QStringLiteral("midi:play:") + path);
    commands.push_back(QStringLiteral("play"));
    fileName = path;
    playing = path;
}

void FakeMidi::stop() {
    trace().append(QStringLiteral("midi:stop"));
    commands.push_back(QStringLiteral("stop"));
    playing.clear();
}

void FakeMidi::setVolume(double v) {
    trace().append(QStringLiteral("midi:volume:%1").arg(v));
    volume = v;
}

void FakeAnnouncer::announce(QWidget* source, const QString& text) {
    heard().append(text);
    said.append(text);
    QWidget* w = source;
    while (w && !qobject_cast<platform::GameWindow*>(w))
        w = w->parentWidget();
    windows.push_back(w ? w->objectName() : QString());
}

FakeBoxes& fakeBoxes() {
    return *gBoxes;
}
FakeClock& fakeClock() {
    return *gClock;
}
FakeRandom& fakeRandom() {
    return *gRandom;
}
FakeMidi& fakeMidi() {
    return *gMidi;
}
FakeAnnouncer& fakeAnnouncer() {
    return *gAnnouncer;
}

void installFakes() {
    trace().clear();
    heard().clear();
    auto b = std::make_unique<FakeBoxes>();
    auto c = std::make_unique<FakeClock>();
    auto r = std::make_unique<FakeRandom>();
    auto m = std::make_unique<FakeMidi>();
    gBoxes = b.get();
    gClock = c.get();
    gRandom = r.get();
    gMidi = m.get();
    auto a = std::make_unique<FakeAnnouncer>();
    gAnnouncer = a.get();
    platform::setAnnouncer(std::move(a));
    platform::setMessageBoxes(std::move(b));
    platform::setClock(std::move(c));
    platform::setRandom(std::move(r));
    platform::setMidiDevice(std::move(m));
}

void removeFakes() {
    platform::setMessageBoxes(nullptr);
    platform::setClock(nullptr);
    platform::setRandom(nullptr);
    platform::setMidiDevice(nullptr);
    platform::setAnnouncer(nullptr);
    gAnnouncer = nullptr;
    gBoxes = nullptr;
    gClock = nullptr;
    gRandom = nullptr;
    gMidi = nullptr;
}

} // namespace testing_support
