#pragma once
// Learns which notes a file will play on which instruments before it plays,
// by running it through a synthesizer without samples much faster than real
// time.

#include "platform/music/FluidParts.h"
#include "platform/music/SoundFontCut.h"

#include <QByteArray>

namespace platform::music {

class Scout {
  public:
    struct Result {
        int totalTicks = 0; // 0: FluidSynth could not read the file, or it lasts no time
        Reach reach;        // every note the file plays on any channel, by instrument
    };

    // Chooses from `presets`, the game's SoundFont's, as the game will.
    explicit Scout(const std::vector<PresetKey>& presets);
    Result run(const QByteArray& bytes);

  private:
    // Fifty times as fast as it plays: a minute of music in some 800 blocks.
    // The player hands a block's events over track after track, so an
    // instrument chosen in one track and a note of another less than 70 ms
    // apart may be seen in either order; within a block, each note of a
    // channel counts for every instrument the channel had.
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
