#pragma once
// The services the game asks of the machine, each behind an interface so that
// tests can replace it: message boxes, time, randomness and the music device.

#include <QString>
#include <functional>
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
// A MIDI sequencer driven by three commands. It reports the end of a playback
// through `done`, later, on the user-interface thread: once when the file plays
// to its end, or once when "close" ends it. A "close" with no playback started
// since the last report (the very first one included) also reports once, so
// that every switch of track is answered by exactly one report; a "close" right
// after a reported natural end reports nothing, and while a report is still
// waiting or being handled no second one is queued (so a restart made from the
// handler is not answered by another restart). A new `done` handler starts
// afresh: reports queued for the one before are dropped, and its own first
// "close" reports once, so a music player made anew (every new game makes one)
// loops like the first. The music player's looping rests on this.
//
// A track that loops is answered from its own report by "close", "open" and
// "play" of the same file; a device may carry on the playback it already began
// at the exact end of the file, so that the loop neither waits for the
// user-interface thread nor cuts the last notes' tail.
class MidiDevice {
  public:
    virtual ~MidiDevice() = default;
    virtual void setFileName(const QString& path) = 0;
    virtual void close() = 0;
    virtual void open() = 0;
    virtual void play() = 0;
    void setDoneHandler(std::function<void()> h) {
        done_ = std::move(h);
        listenerChanged();
    }

  protected:
    void reportDone() {
        if (done_)
            done_();
    }
    bool hasDoneHandler() const { return static_cast<bool>(done_); }
    // The report bookkeeping starts over for the new handler.
    virtual void listenerChanged() {}

  private:
    std::function<void()> done_;
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
