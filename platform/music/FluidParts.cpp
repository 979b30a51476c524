#include "platform/music/FluidParts.h"

#include "platform/FluidMidi.h"

#include <malloc.h>
#include <mutex>

namespace platform::music {

// Each of a SoundFont's samples is a block of its own, read when an
// instrument is chosen and freed when no channel has it any more. The C
// library maps blocks that large apart from its heap and gives them back
// when freed, until the first is freed: from then on it keeps them in the
// heap, between small blocks that outlive them, and the memory of a track
// left stays with the process. A fixed threshold keeps them apart.
void keepSamplesApart() {
    static std::once_flag once;
    std::call_once(once, [] { mallopt(M_MMAP_THRESHOLD, 64 * 1024); });
}

Settings musicSettings() {
    Settings s(new_fluid_settings());
    if (!s)
        return s;
    fluid_settings_setnum(s.get(), "synth.sample-rate", FluidMidi::kSampleRate);
    // Files made for Japanese MIDI modules address their GS messages (a drum
    // part on another channel, say) to device 16, their factory setting.
    fluid_settings_setint(s.get(), "synth.device-id", 16);
    // A file that starts again keeps its last notes ringing.
    fluid_settings_setint(s.get(), "player.reset-synth", 0);
    return s;
}

constexpr int kOutOfReach = 1 << 20;

void resetToEmptyChannels(fluid_synth_t* synth, int sfontId) {
    fluid_synth_set_bank_offset(synth, sfontId, kOutOfReach);
    fluid_synth_system_reset(synth);
    fluid_synth_set_bank_offset(synth, sfontId, 0);
}

int deliver(fluid_synth_t* synth, fluid_midi_event_t* event) {
    if (fluid_midi_event_get_type(event) == kNoteOn && fluid_midi_event_get_velocity(event) > 0) {
        const int channel = fluid_midi_event_get_channel(event);
        if (!fluid_synth_get_channel_preset(synth, channel))
            fluid_synth_program_change(synth, channel, 0);
    }
    return fluid_synth_handle_midi_event(synth, event);
}

} // namespace platform::music
