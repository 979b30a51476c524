#include "platform/music/MidiScout.h"

#include <algorithm>
#include <map>
#include <vector>

namespace platform::music {

namespace {

// The instruments of the game's SoundFont, by bank and program, without a
// single sample: what the scout's synthesizer chooses from, so that it
// settles on the very instruments the game's synthesizer will.
struct Catalogue {
    std::vector<PresetKey> keys; // fixed once filled: the presets point into it
    std::map<PresetKey, fluid_preset_t*> presets;

    static const char* name(fluid_sfont_t*) { return "catalogue"; }
    static fluid_preset_t* find(fluid_sfont_t* sfont, int bank, int program) {
        auto* c = static_cast<Catalogue*>(fluid_sfont_get_data(sfont));
        const auto it = c->presets.find({bank, program});
        return it == c->presets.end() ? nullptr : it->second;
    }
    static int release(fluid_sfont_t* sfont) {
        auto* c = static_cast<Catalogue*>(fluid_sfont_get_data(sfont));
        for (auto& [key, preset] : c->presets)
            delete_fluid_preset(preset);
        delete c;
        delete_fluid_sfont(sfont);
        return 0;
    }
    static const PresetKey& key(fluid_preset_t* p) {
        return *static_cast<const PresetKey*>(fluid_preset_get_data(p));
    }
    static const char* presetName(fluid_preset_t*) { return "instrument"; }
    static int bank(fluid_preset_t* p) { return key(p).first; }
    static int program(fluid_preset_t* p) { return key(p).second; }
    static int noteOn(fluid_preset_t*, fluid_synth_t*, int, int, int) { return FLUID_OK; }
    static void freePreset(fluid_preset_t*) {} // the catalogue frees them
};

} // namespace

struct Scout::Scan {
    fluid_synth_t* synth;
    fluid_player_t* player;
    Result& result;
    int totalTicks = -1;
    bool ended = false;

    void noteChannel(int channel) {
        if (fluid_preset_t* p = fluid_synth_get_channel_preset(synth, channel))
            result.presets.emplace(fluid_preset_get_banknum(p), fluid_preset_get_num(p));
    }
    static int event(void* data, fluid_midi_event_t* e) {
        auto* s = static_cast<Scan*>(data);
        const int r = deliver(s->synth, e);
        const int type = fluid_midi_event_get_type(e);
        if (type == kProgramChange || type == kNoteOn) {
            s->noteChannel(fluid_midi_event_get_channel(e));
        } else if (type == kSysex) {
            // A reset or a drum part chooses instruments on many channels.
            for (int c = 0; c < fluid_synth_count_midi_channels(s->synth); ++c)
                s->noteChannel(c);
        }
        return r;
    }
    static int tick(void* data, int tick) {
        auto* s = static_cast<Scan*>(data);
        if (s->totalTicks < 0)
            s->totalTicks = fluid_player_get_total_ticks(s->player);
        s->ended = tick >= s->totalTicks;
        return FLUID_OK;
    }
};

Scout::Scout(fluid_synth_t* game, int sfontId) {
    settings_ = musicSettings();
    if (!settings_)
        return;
    // No voice is ever started, so one is room enough, and nothing to mix.
    fluid_settings_setint(settings_.get(), "synth.polyphony", 1);
    fluid_settings_setint(settings_.get(), "synth.reverb.active", 0);
    fluid_settings_setint(settings_.get(), "synth.chorus.active", 0);
    fluid_settings_setint(settings_.get(), "synth.threadsafe-api", 0);
    synth_.reset(new_fluid_synth(settings_.get()));
    fluid_sfont_t* source = fluid_synth_get_sfont_by_id(game, sfontId);
    if (!synth_ || !source)
        return;
    auto catalogue = std::make_unique<Catalogue>();
    fluid_sfont_iteration_start(source);
    while (fluid_preset_t* p = fluid_sfont_iteration_next(source))
        catalogue->keys.emplace_back(fluid_preset_get_banknum(p), fluid_preset_get_num(p));
    fluid_sfont_t* sfont =
        new_fluid_sfont(Catalogue::name, Catalogue::find, nullptr, nullptr, Catalogue::release);
    if (!sfont)
        return;
    Catalogue* owned = catalogue.release(); // the SoundFont's own from here on
    fluid_sfont_set_data(sfont, owned);
    for (const PresetKey& k : owned->keys) {
        fluid_preset_t* p =
            new_fluid_preset(sfont, Catalogue::presetName, Catalogue::bank, Catalogue::program,
                             Catalogue::noteOn, Catalogue::freePreset);
        if (!p)
            continue;
        fluid_preset_set_data(p, const_cast<PresetKey*>(&k));
        owned->presets.emplace(k, p);
    }
    sfontId_ = fluid_synth_add_sfont(synth_.get(), sfont); // the synthesizer's from here on
    if (sfontId_ == FLUID_FAILED) {
        Catalogue::release(sfont);
        synth_.reset();
    }
}

Scout::Result Scout::run(const QByteArray& bytes) {
    Result result;
    if (!synth_)
        return result;
    resetToEmptyChannels(synth_.get(), sfontId_);
    Scan scan{synth_.get(), new_fluid_player(synth_.get()), result};
    if (!scan.player)
        return result;
    fluid_player_set_playback_callback(scan.player, &Scan::event, &scan);
    fluid_player_set_tick_callback(scan.player, &Scan::tick, &scan);
    fluid_player_set_tempo(scan.player, FLUID_PLAYER_TEMPO_INTERNAL, kSpeed);
    if (fluid_player_add_mem(scan.player, bytes.constData(), std::size_t(bytes.size())) ==
            FLUID_OK &&
        fluid_player_play(scan.player) == FLUID_OK) {
        float frames[2 * kBlock];
        for (int block = 0; block < kMaxBlocks && !scan.ended; ++block) {
            fluid_synth_write_float(synth_.get(), kBlock, frames, 0, 2, frames, 1, 2);
            if (fluid_player_get_status(scan.player) != FLUID_PLAYER_PLAYING)
                break;
        }
        result.totalTicks = std::max(0, scan.totalTicks);
    }
    delete_fluid_player(scan.player);
    return result;
}

} // namespace platform::music
