#pragma once
// Learns which instruments a file will choose before it plays, by running it
// through a synthesizer without samples much faster than real time.

#include "platform/music/FluidParts.h"

#include <QByteArray>

namespace platform::music {

class Scout {
  public:
    struct Result {
        int totalTicks = 0; // 0: FluidSynth could not read the file, or it lasts no time
        PresetSet presets;  // every instrument the file chooses on any channel
    };

    // Copies the instrument list of `sfontId` on `game`.
    Scout(fluid_synth_t* game, int sfontId);
    Result run(const QByteArray& bytes);

  private:
    // Fifty times as fast as it plays: a minute of music in some 800 blocks.
    // The player hands a block's events over track after track, so an
    // instrument chosen in one track and a note of another less than 70 ms
    // apart may be seen in the wrong order; that costs at most one instrument
    // read when it is chosen, as FluidSynth does without a scout.
    static constexpr double kSpeed = 50;
    static constexpr int kBlock = 64;
    // An hour of music; a longer file's later instruments are read when chosen.
    static constexpr int kMaxBlocks = 50'000;

    struct Scan;

    Settings settings_;
    Synth synth_;
    int sfontId_ = FLUID_FAILED;
};

} // namespace platform::music
