#pragma once
// The music device: MIDI files played by FluidSynth's own player.
//
// One synthesizer, its SoundFont and the audio output are made on a thread of
// their own, because reading the SoundFont takes the better part of a second
// and the title screen must not wait for it. The same thread switches the
// tracks, so that nothing the game asks for waits on the disk: a track asked
// for early starts from its first note once the synthesizer can sound.
//
// The SoundFont's samples are read only for the zones a track's notes fall
// in, and they are read before its first note: a scout runs the file through
// a synthesizer without samples, much faster than real time, to learn which
// keys sound on which instruments, and the track loads the SoundFont cut
// down to them (music/SoundFontCut.h). Without that, FluidSynth would read
// every zone of an instrument, from the disk inside the audio callback, at
// the very moment they are due.

#include "platform/Services.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <memory>
#include <string>

namespace platform {

inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/default-GM.sf2";

class FluidEngine;

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
        Silent,   // no audio device or no SoundFont: nothing sounds
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

    // Returns at once; the file is read, checked and started on the
    // synthesizer's thread. A file that cannot play leaves the music silent
    // and is told once per run on standard error.
    void play(const QString& path) override;
    void stop() override;
    // The synthesizer's gain is gainFor(SoundFont) times `volume`; at 0 the
    // track's SoundFont cut is let go and none is loaded until it is raised.
    void setVolume(double volume) override;

    State state() const;
    // The SoundFonts the synthesizer holds now (a track's cut, or the whole
    // font that cannot be cut), once every request so far has taken effect.
    int soundFontsHeld();
    // FluidSynth's and ALSA's own messages are kept off standard error, since
    // they mean nothing to a player; a tool that wants to know why there is no
    // sound lets them through before it makes its first device.
    static void letLibrariesSpeak();
    // Blocks until the synthesizer is made (or could not be); false on timeout.
    bool waitUntilReady(std::chrono::milliseconds timeout) const;
    // Without audio output only: renders `frames` stereo frames at
    // kSampleRate, once the SoundFont is loaded and every play and stop asked
    // for so far has taken effect. Returns false (and writes nothing) on a
    // device with audio output.
    bool render(float* left, float* right, int frames);

  private:
    std::shared_ptr<FluidEngine> engine_;
};

} // namespace platform
