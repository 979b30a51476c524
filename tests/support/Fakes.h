#pragma once
// Test doubles for the machine's services. Each records what the game asked
// of it into one shared trace, so tests can check the order of boxes, pauses,
// event runs and music commands.

#include "platform/Services.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace testing_support {

// Everything the fakes saw, in order: "box:<text>", "sleep:<ms>", "events",
// "midi:play:<file>", "midi:stop", "midi:volume:<0 to 1>".
QStringList& trace();
// What a player who listens heard, in order: each announcement's text, and
// "box:<text>" for each message box (read as a dialog).
QStringList& heard();

struct ShownBox {
    platform::BoxRequest request;
    platform::Answer answer;
};

class FakeBoxes : public platform::MessageBoxes {
  public:
    // The answers, in order, for the boxes to come.
    void answer(platform::Answer a) { script_.push_back({std::nullopt, a, {}}); }
    // An answer that also checks which box it is given to.
    void expect(const QString& text, platform::Answer a) { script_.push_back({text, a, {}}); }
    // Runs `during` while the box is open (the player acting meanwhile).
    void answerWhile(platform::Answer a, std::function<void()> during) {
        script_.push_back({std::nullopt, a, std::move(during)});
    }
    // OK-only boxes answer themselves when nothing is scripted.
    bool autoOk = false;

    platform::Answer show(const platform::BoxRequest& r) override;

    std::vector<ShownBox> shown;
    QStringList texts() const;
    bool scriptUsedUp() const { return script_.empty(); }

  private:
    struct Step {
        std::optional<QString> text;
        platform::Answer answer;
        std::function<void()> during;
    };
    std::deque<Step> script_;
};

class FakeClock : public platform::Clock {
  public:
    void sleep(int ms) override;
    void processEvents() override;
    std::vector<int> sleeps;
    int eventRuns = 0;
    // Called at each event run (a test acting while the game lets events run).
    std::function<void()> onDoEvents;
    // Called at each pause with its length (a test looking at the screen the
    // player is paused on).
    std::function<void(int)> onSleep;
    int totalSleep() const;
};

class FakeRandom : public platform::Random {
  public:
    void push(float v) { values.push_back(v); }
    float next() override;
    std::deque<float> values;
    float fallback = 0.5f;
    int draws = 0;
};

class FakeMidi : public platform::MidiDevice {
  public:
    void play(const QString& path) override;
    void stop() override;
    void setVolume(double v) override;

    QString fileName; // the file asked for last
    double volume = 1.0;
    QString playing; // file whose playback is under way, empty when stopped
    std::vector<QString> commands;
};

// Records what the screen reader would have been told, and from which window.
class FakeAnnouncer : public platform::Announcer {
  public:
    void announce(QWidget* source, const QString& text) override;
    QStringList said;
    std::vector<QString> windows; // the object name of each source's window
};

// The fakes installed for the current test.
FakeBoxes& fakeBoxes();
FakeClock& fakeClock();
FakeRandom& fakeRandom();
FakeMidi& fakeMidi();
FakeAnnouncer& fakeAnnouncer();
void installFakes();
void removeFakes();

} // namespace testing_support
