#include "platform/music/MidiScout.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
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
    Result& result;
    fluid_player_t* player = nullptr;
    int totalTicks = -1;
    bool ended = false;

    // What each channel has, the instruments it had in this block and the
    // notes it played in it. Each note of a block counts for each of the
    // block's instruments, and both are sets, so that a file that changes
    // instrument before every note costs no more than one that does not.
    struct Channel {
        std::optional<PresetKey> now;
        std::set<PresetKey> block;
        Reach::Notes notes{};
        bool played = false;
    };
    std::vector<Channel> channels;

    void refresh(int c) {
        Channel& ch = channels[std::size_t(c)];
        std::optional<PresetKey> p;
        if (fluid_preset_t* fp = fluid_synth_get_channel_preset(synth, c))
            p = PresetKey{fluid_preset_get_banknum(fp), fluid_preset_get_num(fp)};
        if (p == ch.now)
            return;
        ch.now = p;
        if (p)
            ch.block.insert(*p);
    }
    void note(int c, int key, int velocity) {
        Channel& ch = channels[std::size_t(c)];
        if (key < 0 || key > 127 || velocity < 1 || velocity > 127)
            return;
        ch.notes[std::size_t(key)].set(std::size_t(velocity));
        ch.played = true;
    }
    void endBlock() {
        for (Channel& ch : channels) {
            if (ch.played)
                for (const PresetKey& p : ch.block)
                    result.reach.add(p, ch.notes);
            ch.block.clear();
            if (ch.now)
                ch.block.insert(*ch.now);
            ch.notes = {};
            ch.played = false;
        }
    }

    static int event(void* data, fluid_midi_event_t* e) {
        auto* s = static_cast<Scan*>(data);
        const int r = deliver(s->synth, e);
        const int type = fluid_midi_event_get_type(e);
        if (type == kSysex) {
            // A reset or a drum part chooses instruments on many channels.
            for (std::size_t c = 0; c < s->channels.size(); ++c)
                s->refresh(int(c));
        } else if (type >= 0x80 && type < kSysex) {
            const int c = fluid_midi_event_get_channel(e);
            if (c < 0 || std::size_t(c) >= s->channels.size())
                return r;
            s->refresh(c);
            if (type == kNoteOn && fluid_midi_event_get_velocity(e) > 0)
                s->note(c, fluid_midi_event_get_key(e), fluid_midi_event_get_velocity(e));
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

    // One round of the file; false if FluidSynth could not read it.
    bool play(const QByteArray& bytes) {
        player = new_fluid_player(synth);
        if (!player)
            return false;
        totalTicks = -1;
        ended = false;
        fluid_player_set_playback_callback(player, &Scan::event, this);
        fluid_player_set_tick_callback(player, &Scan::tick, this);
        fluid_player_set_tempo(player, FLUID_PLAYER_TEMPO_INTERNAL, kSpeed);
        const bool started = fluid_player_add_mem(player, bytes.constData(),
                                                  std::size_t(bytes.size())) == FLUID_OK &&
                             fluid_player_play(player) == FLUID_OK;
        if (started) {
            float frames[2 * kBlock];
            for (int block = 0; block < kMaxBlocks && !ended; ++block) {
                fluid_synth_write_float(synth, kBlock, frames, 0, 2, frames, 1, 2);
                endBlock();
                if (fluid_player_get_status(player) != FLUID_PLAYER_PLAYING)
                    break;
            }
        }
        delete_fluid_player(player);
        player = nullptr;
        return started;
    }
};

Scout::Scout(const std::vector<PresetKey>& presets) {
    settings_ = musicSettings();
    if (!settings_)
        return;
    // No voice is ever started, so one is room enough, and nothing to mix.
    fluid_settings_setint(settings_.get(), "synth.polyphony", 1);
    fluid_settings_setint(settings_.get(), "synth.reverb.active", 0);
    fluid_settings_setint(settings_.get(), "synth.chorus.active", 0);
    fluid_settings_setint(settings_.get(), "synth.threadsafe-api", 0);
    synth_.reset(new_fluid_synth(settings_.get()));
    if (!synth_)
        return;
    auto catalogue = std::make_unique<Catalogue>();
    catalogue->keys = presets;
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
        if (!owned->presets.emplace(k, p).second)
            delete_fluid_preset(p); // FluidSynth, too, chooses the first of two alike
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
    Scan scan{synth_.get(), result, nullptr, -1, false, {}};
    scan.channels.resize(std::size_t(fluid_synth_count_midi_channels(synth_.get())));
    if (!scan.play(bytes))
        return result;
    result.totalTicks = std::max(0, scan.totalTicks);
    // The file starts again without a reset: a channel that plays before it
    // chooses an instrument plays the one the round before ended with.
    if (result.totalTicks > 0)
        scan.play(bytes);
    // A file that retunes its keys may sound them on other zones.
    int bank = 0, program = 0;
    fluid_synth_tuning_iteration_start(synth_.get());
    if (fluid_synth_tuning_iteration_next(synth_.get(), &bank, &program))
        result.reach.everyKey();
    return result;
}

} // namespace platform::music
