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
    // The music's loudness from 0 to 1, 1 being the device's own level. At 0
    // nothing sounds and nothing is held for it; from 0 to above, the file
    // asked for last starts again from its beginning.
    virtual void setVolume(double volume) = 0;
};

// FluidSynth's player on the process's one synthesizer.
std::unique_ptr<MidiDevice> makeRealMidiDevice();

} // namespace platform
