#pragma once
// What the game's synthesizer and the scout share: owning handles, the
// settings that make a file choose the same instruments on both, and the
// channels that start out empty.

#include <fluidsynth.h>
#include <memory>
#include <utility>

namespace platform::music {

struct SettingsDeleter {
    void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
};
struct DriverDeleter {
    void operator()(fluid_audio_driver_t* d) const { delete_fluid_audio_driver(d); }
};
struct PlayerDeleter {
    void operator()(fluid_player_t* p) const { delete_fluid_player(p); }
};
using Settings = std::unique_ptr<fluid_settings_t, SettingsDeleter>;
using Synth = std::unique_ptr<fluid_synth_t, SynthDeleter>;

// What the game's synthesizer and the scout have in common, so that a file
// chooses the same instruments on both.
Settings musicSettings();

using PresetKey = std::pair<int, int>; // bank, program

// A reset gives every channel the SoundFont's first piano (channel 10 its
// first drum kit), and with dynamic sample loading that reads their samples
// whether or not the track plays them. With the SoundFont's banks out of the
// reset's reach for that moment, the channels come out empty instead; a
// channel that plays before choosing an instrument is given it then (deliver).
void resetToEmptyChannels(fluid_synth_t* synth, int sfontId);

inline constexpr int kNoteOn = 0x90;
inline constexpr int kProgramChange = 0xC0;
inline constexpr int kSysex = 0xF0;

// Hands one of the file's events to the synthesizer, as FluidSynth's player
// does, except that a channel still empty at its first note first takes
// program 0, which is what the reset would have given it, and that a GS drum
// part gets a drum kit on every FluidSynth release.
int deliver(fluid_synth_t* synth, fluid_midi_event_t* event);

void keepSamplesApart();

} // namespace platform::music
