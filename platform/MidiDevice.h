#pragma once
// The music device the game plays its MIDI files on.

#include <QString>
#include <memory>

namespace platform {

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

// FluidSynth's player on the process's one synthesizer.
std::unique_ptr<MidiDevice> makeRealMidiDevice();

} // namespace platform
