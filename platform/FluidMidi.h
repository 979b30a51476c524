#pragma once
// The music device: Standard MIDI Files played on a FluidSynth synthesizer.
//
// The synthesizer, its SoundFont and the audio output are made on a thread of
// their own, because loading the SoundFont takes the better part of a second
// and the first tune must not hold up the title screen. Commands given before
// then are kept and take effect as soon as the synthesizer can sound, so a
// tune asked for early still starts from its first note.
//
// The files are sequenced here rather than by FluidSynth's own player: the
// events go to the synthesizer from the audio thread at the exact frame they
// fall on, and the end of a tune is known at the frame of its last event, so
// the game can start the next round of a looping tune without a gap.

#include "platform/Services.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A MIDI file reduced to what the synthesizer needs: its channel messages on
// one time line, in microseconds from the start.
struct MidiSong {
    struct Event {
        std::int64_t atUs = 0;
        std::uint8_t status = 0; // message type in the high nibble, channel in the low one
        std::uint8_t data1 = 0;
        std::uint8_t data2 = 0;
        friend bool operator==(const Event&, const Event&) = default;
    };
    std::vector<Event> events; // in the order they are played
    std::int64_t lengthUs = 0; // time of the file's last event of any kind
};

// Reads a Standard MIDI File (format 0 or 1; a format 2 file plays its tracks
// together). A damaged track keeps the events before the damage, as other
// players do. Returns nothing for a file that is not MIDI or lasts no time.
std::optional<MidiSong> readMidiFile(const QByteArray& bytes);

inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

class FluidEngine;
struct FluidPlayback;

class FluidMidi final : public MidiDevice {
  public:
    static constexpr int kSampleRate = 44100;
    // The synthesizer's output gain for a SoundFont: the game's tracks peak a
    // few decibels below full scale on the General MIDI fonts Debian ships.
    static double gainFor(const std::string& soundFont);

    struct Options {
        QString soundFont = QString::fromLatin1(kDefaultSoundFont);
        // Without audio output nothing plays by itself: render() moves the
        // music on (tests, tools).
        bool audioOutput = true;
        // Tried in order; PulseAudio also reaches a PipeWire server.
        QStringList audioDrivers = {QStringLiteral("pulseaudio"), QStringLiteral("alsa")};
        QString alsaDevice; // empty: ALSA's default device
    };

    enum class State {
        Loading,  // the synthesizer or its SoundFont is still being made
        Sounding, // music is heard (or, without audio output, rendered)
        Silent,   // no audio device or no SoundFont: commands are kept, nothing sounds
    };

    // The game's device, on the process's one synthesizer and audio output,
    // which are made the first time a device asks for them.
    FluidMidi();
    // A device on a synthesizer of its own.
    explicit FluidMidi(const Options& options);
    static std::unique_ptr<FluidMidi>
    offline(const QString& soundFont = QString::fromLatin1(kDefaultSoundFont));
    ~FluidMidi() override;
    FluidMidi(const FluidMidi&) = delete;
    FluidMidi& operator=(const FluidMidi&) = delete;

    void setFileName(const QString& path) override;
    // Stops the playback at once, cuts every sounding note and forgets the file.
    void close() override;
    // Reads the file named last; a missing or unreadable one plays as silence.
    void open() override;
    // Starts the open file from its beginning, in place of any under way.
    void play() override;

    State state() const;
    // FluidSynth's and ALSA's own messages are kept off standard error, since
    // they mean nothing to a player; a tool that wants to know why there is no
    // sound lets them through before it makes its first device.
    static void letLibrariesSpeak();
    // Blocks until the synthesizer is made (or could not be); false on timeout.
    bool waitUntilReady(std::chrono::milliseconds timeout) const;
    // Without audio output only: renders `frames` stereo frames at kSampleRate,
    // sending the events that fall in them. Waits for the SoundFont first.
    // Returns false (and writes nothing) on a device with audio output.
    bool render(float* left, float* right, int frames);

  private:
    std::shared_ptr<FluidEngine> engine_;
    // Every report is posted to this object, so none outlives the device.
    std::unique_ptr<QObject> context_;
    QString fileName_;
    std::shared_ptr<const MidiSong> song_;
    std::unique_ptr<FluidPlayback> playback_;
    // A playback that has begun its next round, put aside by a close in the
    // handler of its end until the play that follows.
    std::unique_ptr<FluidPlayback> held_;
    QString heldFile_;
    std::uint64_t serial_ = 0;
    // A report is owed from the start and from every play, and paid once: by
    // the natural end or by the close that comes first. One waits, or is being
    // handled, at a time.
    bool owed_ = true;
    bool reportWaiting_ = false;
    bool answeringEnd_ = false;
    // Counts the done handlers; a report queued for an earlier one is dropped.
    std::uint64_t generation_ = 0;
    void listenerChanged() override;
    void queueReport();
    void reachedEnd(std::uint64_t serial);
    void cutHeld();
};

} // namespace platform
