#include "platform/music/FluidParts.h"

#include "platform/FluidMidi.h"

#include <malloc.h>
#include <mutex>
#include <optional>

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

namespace {

constexpr int kDrumBank = 128;
// FluidSynth's type for a text meta event (MIDI_TEXT), not in its public headers.
constexpr int kText = 0x01;

// The channel that a GS "use for rhythm part" message makes a drum part (or a
// melodic one again).
struct RhythmPart {
    int channel;
    bool drums;
};

// Roland, any device, GS, DT1 to address 40 1p 15, one byte of data and the
// checksum: the bytes as FluidSynth's player keeps them, without F0 and F7.
std::optional<RhythmPart> rhythmPart(const unsigned char* d, int size) {
    if (size != 9 || d[0] != 0x41 || d[2] != 0x42 || d[3] != 0x12 || d[4] != 0x40 ||
        (d[5] & 0xF0) != 0x10 || d[6] != 0x15 || d[7] > 2)
        return std::nullopt;
    // Part 10 comes first in GS's order (1p with p = 0), then parts 1 to 9;
    // parts 11 to 16 are in their places.
    const int p = d[5] & 0x0F;
    return RhythmPart{p >= 10 ? p : (p == 0 ? 9 : p - 1), d[7] != 0};
}

// FluidSynth gives out the bytes of a System Exclusive event only through the
// getter of a text event, which reads the same fields.
std::optional<RhythmPart> rhythmPart(fluid_midi_event_t* event, const char** data, int* size) {
    void* bytes = nullptr;
    fluid_midi_event_set_type(event, kText);
    const bool read = fluid_midi_event_get_text(event, &bytes, size) == FLUID_OK;
    fluid_midi_event_set_type(event, kSysex);
    if (!read || !bytes)
        return std::nullopt;
    *data = static_cast<const char*>(bytes);
    return rhythmPart(static_cast<const unsigned char*>(bytes), *size);
}

// FluidSynth 2.4 makes the channel a drum part but keeps its melodic bank, so
// the program change it sends with the switch chooses a piano; 2.3 took the
// drum bank for any drum channel, and the releases after 2.4 set the bank with
// the switch. Where the library left the wrong kind of instrument, the bank is
// set here and the channel's program chosen again; on 2.3 and after 2.4 the
// instrument is already right and nothing changes.
void completeRhythmPart(fluid_synth_t* synth, const RhythmPart& part) {
    fluid_preset_t* preset = fluid_synth_get_channel_preset(synth, part.channel);
    const bool drumKit = preset && fluid_preset_get_banknum(preset) == kDrumBank;
    if (part.drums == drumKit || (!part.drums && !preset))
        return;
    int sfont = 0, bank = 0, program = 0;
    if (fluid_synth_get_program(synth, part.channel, &sfont, &bank, &program) != FLUID_OK)
        return;
    fluid_synth_bank_select(synth, part.channel, part.drums ? kDrumBank : 0);
    fluid_synth_program_change(synth, part.channel, program);
}

} // namespace

int deliver(fluid_synth_t* synth, fluid_midi_event_t* event) {
    const int type = fluid_midi_event_get_type(event);
    if (type == kNoteOn && fluid_midi_event_get_velocity(event) > 0) {
        const int channel = fluid_midi_event_get_channel(event);
        if (!fluid_synth_get_channel_preset(synth, channel))
            fluid_synth_program_change(synth, channel, 0);
    }
    if (type != kSysex)
        return fluid_synth_handle_midi_event(synth, event);
    const char* data = nullptr;
    int size = 0;
    const std::optional<RhythmPart> part = rhythmPart(event, &data, &size);
    // Whether the synthesizer takes the message at all (its device, GS mode,
    // the checksum) it alone knows: a dry run asks it.
    int taken = 0;
    if (part && fluid_synth_sysex(synth, data, size, nullptr, nullptr, &taken, 1) != FLUID_OK)
        taken = 0;
    const int result = fluid_synth_handle_midi_event(synth, event);
    if (taken && part->channel < fluid_synth_count_midi_channels(synth))
        completeRhythmPart(synth, *part);
    return result;
}

} // namespace platform::music
