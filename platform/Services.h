#pragma once
// The services the game asks of the machine, each behind an interface so that
// tests can replace it: message boxes, time, randomness and the music device.

#include <QString>
#include <memory>
#include <optional>

namespace platform {

// ---- Message boxes -------------------------------------------------------
// Style values combine as the game's boxes are described: buttons + icon +
// default button.
enum MsgStyle : int {
    vbOKOnly = 0,
    vbYesNo = 4,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
};
enum MsgAnswer : int { vbOK = 1, vbYes = 6, vbNo = 7 };

enum class BoxButtons { OK, YesNo };
enum class BoxIcon { None, Question, Information, Exclamation };

struct BoxRequest {
    QString text;
    QString title;
    BoxButtons buttons = BoxButtons::OK;
    BoxIcon icon = BoxIcon::None;
    MsgAnswer defaultButton = vbOK;
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual MsgAnswer show(const BoxRequest& request) = 0;
};

// The application title that a box without a title of its own shows.
inline const QString kAppTitle = QStringLiteral("Kobusato");

// A modal box. Without a title the application title is used; an empty title
// stays empty.
MsgAnswer MsgBox(const QString& text, int style = vbOKOnly,
                 const std::optional<QString>& title = std::nullopt);
BoxRequest makeRequest(const QString& text, int style, const std::optional<QString>& title);

// ---- Time ----------------------------------------------------------------
class Clock {
  public:
    virtual ~Clock() = default;
    // Shows what has changed on screen, then blocks the thread for `ms`
    // without handling input.
    virtual void sleep(int ms) = 0;
    // Runs the window events waiting at this moment.
    virtual void doEvents() = 0;
};
void pauseFor(int ms);
void processPendingEvents();

// ---- Randomness ----------------------------------------------------------
class Random {
  public:
    virtual ~Random() = default;
    // Uniform single-precision value in [0, 1).
    virtual float next() = 0;
};
float randomFraction();

// ---- Music device --------------------------------------------------------
// One MIDI file at a time, played from its beginning and started again by the
// device each time it reaches its end, until the next play or stop.
class MidiDevice {
  public:
    virtual ~MidiDevice() = default;
    // The file in place of whatever plays, which stops at once; an empty path
    // plays nothing.
    virtual void play(const QString& path) = 0;
    // Stops the music at once.
    virtual void stop() = 0;
};

// ---- Where the services come from ----------------------------------------
MessageBoxes& boxes();
Clock& clock();
Random& random();
MidiDevice& midi();

// Replace a service (tests); passing nullptr restores the real one.
void setMessageBoxes(std::unique_ptr<MessageBoxes> s);
void setClock(std::unique_ptr<Clock> s);
void setRandom(std::unique_ptr<Random> s);
void setMidiDevice(std::unique_ptr<MidiDevice> s);

// Real implementations, made on first use.
std::unique_ptr<MessageBoxes> makeRealMessageBoxes();
std::unique_ptr<Clock> makeRealClock();
std::unique_ptr<Random> makeRealRandom();
std::unique_ptr<MidiDevice> makeRealMidiDevice();

} // namespace platform
