#include "platform/FluidMidi.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <dlfcn.h>
#include <fluidsynth.h>
#include <malloc.h>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <sys/resource.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform {

namespace {

void quietFluid(int, const char*, void*) {}
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

// The libraries' own messages mean nothing to a player; a tool lets them
// through when a developer wants to know why there is no sound.
std::atomic<bool> librariesSpeak{false};

void keepLibrariesQuiet() {
    static std::once_flag once;
    std::call_once(once, [] {
        if (librariesSpeak.load())
            return;
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, quietFluid, nullptr);
        // ALSA is only there through FluidSynth; looking it up at run time keeps
        // the game from depending on it directly.
        using AlsaHandler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetAlsaHandler = int (*)(AlsaHandler);
        if (void* set = dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"))
            reinterpret_cast<SetAlsaHandler>(set)(quietAlsa);
    });
}

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

void say(const std::string& line) {
    std::fputs(("kobusato: " + line + "\n").c_str(), stderr);
    std::fflush(stderr);
}

// A player is told once per run about each file that cannot play; the game
// goes on without that music.
void sayOnceAbout(const QString& path, const char* what) {
    static std::mutex mutex;
    static QSet<QString> told;
    {
        const std::lock_guard lock(mutex);
        if (told.contains(path))
            return;
        told.insert(path);
    }
    say("the music file " + QFile::encodeName(path).toStdString() + " " + what +
        "; that music is silent");
}

// Far beyond any tune the game ships (a few tens of kilobytes), and small
// enough that FluidSynth reads it in a moment.
constexpr qint64 kMaxMidiBytes = 4 * 1024 * 1024;

std::optional<QByteArray> readMusicFile(const QString& path) {
    // Only a regular file is opened: a pipe or a device would block in open()
    // or never stop giving bytes.
    const QFileInfo info(path);
    if (!info.exists()) {
        sayOnceAbout(path, "is missing");
        return std::nullopt;
    }
    if (!info.isFile()) {
        sayOnceAbout(path, "is not a regular file");
        return std::nullopt;
    }
    if (info.size() > kMaxMidiBytes) {
        sayOnceAbout(path, "is too large to be music");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        sayOnceAbout(path, "cannot be read");
        return std::nullopt;
    }
    return file.read(kMaxMidiBytes);
}

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

using PresetKey = std::pair<int, int>; // bank, program
using PresetSet = std::set<PresetKey>;

constexpr int kOutOfReach = 1 << 20;

// A reset gives every channel the SoundFont's first piano (channel 10 its
// first drum kit), and with dynamic sample loading that reads their samples
// whether or not the track plays them. With the SoundFont's banks out of the
// reset's reach for that moment, the channels come out empty instead; a
// channel that plays before choosing an instrument is given it then (deliver).
void resetToEmptyChannels(fluid_synth_t* synth, int sfontId) {
    fluid_synth_set_bank_offset(synth, sfontId, kOutOfReach);
    fluid_synth_system_reset(synth);
    fluid_synth_set_bank_offset(synth, sfontId, 0);
}

constexpr int kNoteOn = 0x90;
constexpr int kProgramChange = 0xC0;
constexpr int kSysex = 0xF0;

// Hands one of the file's events to the synthesizer, as FluidSynth's player
// does, except that a channel still empty at its first note first takes
// program 0, which is what the reset would have given it.
int deliver(fluid_synth_t* synth, fluid_midi_event_t* event) {
    if (fluid_midi_event_get_type(event) == kNoteOn && fluid_midi_event_get_velocity(event) > 0) {
        const int channel = fluid_midi_event_get_channel(event);
        if (!fluid_synth_get_channel_preset(synth, channel))
            fluid_synth_program_change(synth, channel, 0);
    }
    return fluid_synth_handle_midi_event(synth, event);
}

// ---- The scout -------------------------------------------------------------

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

class Scout {
  public:
    struct Result {
        int totalTicks = 0; // 0: FluidSynth could not read the file, or it lasts no time
        PresetSet presets;  // every instrument the file chooses on any channel
    };

    // Copies the instrument list of `sfontId` on `game`.
    Scout(fluid_synth_t* game, int sfontId) {
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

    Result run(const QByteArray& bytes) {
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

    struct Scan {
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

    Settings settings_;
    Synth synth_;
    int sfontId_ = FLUID_FAILED;
};

// FluidSynth's player hands the file's events to `synth` through this.
int play(void* synth, fluid_midi_event_t* event) {
    return deliver(static_cast<fluid_synth_t*>(synth), event);
}

} // namespace

// ---- The synthesizer -------------------------------------------------------

class FluidEngine {
  public:
    explicit FluidEngine(const FluidMidi::Options& o)
        : soundFont_(QFile::encodeName(o.soundFont).toStdString()), audioOutput_(o.audioOutput),
          alsaDevice_(o.alsaDevice.toStdString()) {
        for (const QString& d : o.audioDrivers)
            drivers_.push_back(d.toStdString());
        keepLibrariesQuiet();
        keepSamplesApart();
        if (audioOutput_)
            nameTheStream();
        try {
            worker_ = std::thread([this] { run(); });
        } catch (const std::system_error&) {
            serving_ = false;
            finish(FluidMidi::State::Silent);
        }
    }
    ~FluidEngine() {
        {
            const std::lock_guard lock(requestMutex_);
            quit_ = true;
        }
        requestChanged_.notify_all();
        if (worker_.joinable())
            worker_.join();
        // The audio thread goes first: it uses the synthesizer.
        driver_.reset();
        playing_.reset();
        scout_.reset();
        synth_.reset();
        settings_.reset();
    }
    FluidEngine(const FluidEngine&) = delete;
    FluidEngine& operator=(const FluidEngine&) = delete;

    // Kept to the end of the process: the audio output is opened once.
    static std::shared_ptr<FluidEngine> forProcess() {
        static const std::shared_ptr<FluidEngine> engine =
            std::make_shared<FluidEngine>(FluidMidi::Options{});
        return engine;
    }

    bool offline() const { return !audioOutput_; }

    FluidMidi::State state() const {
        const std::lock_guard lock(stateMutex_);
        return state_;
    }
    bool waitLoaded(std::chrono::milliseconds timeout) const {
        std::unique_lock lock(stateMutex_);
        return stateChanged_.wait_for(lock, timeout,
                                      [this] { return state_ != FluidMidi::State::Loading; });
    }
    void waitLoaded() const {
        std::unique_lock lock(stateMutex_);
        stateChanged_.wait(lock, [this] { return state_ != FluidMidi::State::Loading; });
    }

    // A file to play from its beginning, or nothing when `path` is empty. Only
    // the last request waiting counts: a track asked for and replaced before
    // the synthesizer got to it is never heard.
    void ask(const QString& path) {
        {
            const std::lock_guard lock(requestMutex_);
            pending_ = path;
            ++asked_;
        }
        requestChanged_.notify_all();
    }

    // Until every request so far has taken effect.
    void waitSettled() {
        std::unique_lock lock(requestMutex_);
        settledChanged_.wait(lock, [this] { return quit_ || !serving_ || settled_ == asked_; });
    }

    void render(float* left, float* right, int frames) {
        const std::lock_guard lock(renderMutex_);
        if (synthReady_) {
            fluid_synth_write_float(synth_.get(), frames, left, 0, 1, right, 0, 1);
        } else {
            std::fill_n(left, frames, 0.0f);
            std::fill_n(right, frames, 0.0f);
        }
    }

  private:
    void run() noexcept {
        FluidMidi::State result = FluidMidi::State::Silent;
        try {
            // The SoundFont is read at a low priority so that on a busy machine
            // the game's own thread keeps the processor; the audio output is
            // opened afterwards at the normal one, which its thread inherits.
            bool loaded = false;
            std::thread([this, &loaded]() noexcept {
                setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
                try {
                    loaded = loadSoundFont();
                } catch (...) {
                }
            }).join();
            if (loaded)
                result = openOutput();
        } catch (...) {
        }
        if (result == FluidMidi::State::Silent)
            release();
        finish(result);
        serveRequests();
    }

    void finish(FluidMidi::State result) {
        {
            const std::lock_guard lock(stateMutex_);
            state_ = result;
        }
        stateChanged_.notify_all();
    }

    // Nothing will sound: the SoundFont is not held for nothing.
    void release() {
        {
            const std::lock_guard lock(renderMutex_);
            synthReady_ = false;
        }
        scout_.reset();
        synth_.reset();
        settings_.reset();
        malloc_trim(0);
    }

    // The desktop's mixer lists the stream under the game's name and icon, as
    // a game's sound. The client library adds the properties in PULSE_PROP_*
    // when it connects, where the program has not set them; FluidSynth names
    // its client "FluidSynth" itself, so the name takes PULSE_PROP_OVERRIDE_*.
    // They are written here, on the calling thread before the loader starts,
    // because the environment must not change while another thread may read
    // it; for the same reason FluidSynth's own media-role setting, which it
    // writes to the environment from the loader thread, is left empty.
    static void nameTheStream() {
        qputenv("PULSE_PROP_OVERRIDE_application.name", "Kobusato");
        qputenv("PULSE_PROP_application.id", "io.github.kobusato.Kobusato");
        qputenv("PULSE_PROP_application.icon_name", "io.github.kobusato.Kobusato");
        qputenv("PULSE_PROP_media.role", "game");
    }

    bool loadSoundFont() {
        settings_ = musicSettings();
        if (!settings_)
            return false;
        // Four periods of 256 frames: the usual 23 ms of latency in a quarter
        // of the wake-ups.
        fluid_settings_setint(settings_.get(), "audio.period-size", 256);
        fluid_settings_setint(settings_.get(), "audio.periods", 4);
        fluid_settings_setnum(settings_.get(), "synth.gain", FluidMidi::gainFor(soundFont_));
        fluid_settings_setstr(settings_.get(), "audio.pulseaudio.media-role", "");
        // Samples are read when an instrument is chosen, and let go when no
        // channel has it any more.
        fluid_settings_setint(settings_.get(), "synth.dynamic-sample-loading", 1);
        synth_.reset(new_fluid_synth(settings_.get()));
        if (!synth_) {
            sayIfHeard("the synthesizer could not be started; the music is silent");
            return false;
        }
        // No instrument on any channel until a track chooses one.
        sfontId_ = fluid_synth_sfload(synth_.get(), soundFont_.c_str(), 0);
        if (sfontId_ == FLUID_FAILED) {
            sayIfHeard("the SoundFont " + soundFont_ + " could not be loaded; the music is silent");
            return false;
        }
        scout_ = std::make_unique<Scout>(synth_.get(), sfontId_);
        // What FluidSynth read the SoundFont's lists into and let go of.
        malloc_trim(0);
        const std::lock_guard lock(renderMutex_);
        synthReady_ = true;
        return true;
    }

    FluidMidi::State openOutput() {
        if (!audioOutput_)
            return FluidMidi::State::Sounding;
        for (const std::string& name : drivers_) {
            fluid_settings_setstr(settings_.get(), "audio.driver", name.c_str());
            if (name == "alsa" && !alsaDevice_.empty())
                fluid_settings_setstr(settings_.get(), "audio.alsa.device", alsaDevice_.c_str());
            driver_.reset(
                new_fluid_audio_driver2(settings_.get(), &FluidEngine::audioCallback, this));
            if (driver_)
                return FluidMidi::State::Sounding;
        }
        sayIfHeard("no audio device found; the music is silent");
        return FluidMidi::State::Silent;
    }

    // Only the game's own output speaks up; an offline engine's caller asks.
    void sayIfHeard(const std::string& line) const {
        if (audioOutput_)
            say(line);
    }

    static int audioCallback(void* data, int len, int, float**, int nout, float** out) {
        // The buffers come zeroed, so anything short of two of them stays silent.
        if (nout < 2)
            return FLUID_OK;
        try {
            static_cast<FluidEngine*>(data)->render(out[0], out[1], len);
        } catch (...) {
            // Nothing may unwind into FluidSynth's thread; the block stays as rendered.
        }
        return FLUID_OK;
    }

    void serveRequests() {
        for (;;) {
            QString path;
            std::uint64_t serial = 0;
            {
                std::unique_lock lock(requestMutex_);
                requestChanged_.wait(lock, [this] { return quit_ || pending_; });
                if (quit_)
                    break;
                path = *pending_;
                pending_.reset();
                serial = asked_;
            }
            try {
                serve(path);
            } catch (...) {
                // The game goes on without music rather than without its sound thread.
            }
            {
                const std::lock_guard lock(requestMutex_);
                settled_ = serial;
            }
            settledChanged_.notify_all();
        }
        {
            const std::lock_guard lock(requestMutex_);
            serving_ = false;
        }
        settledChanged_.notify_all();
    }

    void serve(const QString& path) {
        // A switch cuts the track that plays at once, whatever follows.
        cut();
        std::optional<QByteArray> bytes;
        if (!path.isEmpty())
            bytes = readMusicFile(path);
        if (!bytes || !scout_) {
            choose({});
            return;
        }
        const Scout::Result scouted = scout_->run(*bytes);
        if (scouted.totalTicks <= 0) {
            sayOnceAbout(path, "is not a playable MIDI file");
            choose({});
            return;
        }
        choose(scouted.presets);
        start(*bytes);
    }

    void cut() {
        const std::lock_guard lock(renderMutex_);
        playing_.reset();
        if (synthReady_) {
            fluid_synth_all_sounds_off(synth_.get(), -1);
            resetToEmptyChannels(synth_.get(), sfontId_);
        }
    }

    // Holds the samples of `presets` in memory and lets go of the others'.
    // Those of both tracks stay; the others' go first, so that two tracks'
    // instruments are never held at once.
    void choose(const PresetSet& presets) {
        if (!synthReady_)
            return;
        for (const PresetKey& k : chosen_)
            if (!presets.count(k))
                fluid_synth_unpin_preset(synth_.get(), sfontId_, k.first, k.second);
        for (const PresetKey& k : presets)
            if (!chosen_.count(k))
                fluid_synth_pin_preset(synth_.get(), sfontId_, k.first, k.second);
        chosen_ = presets;
        // What FluidSynth read the SoundFont's lists into again for the
        // instruments, and let go of.
        malloc_trim(0);
    }

    // FluidSynth's player starts the file again the moment it reaches its
    // end of track, in the same block (Debian's 2.3.1-2 and upstream from
    // 2.3.2 on), and without a reset the last notes ring on into the next
    // round.
    void start(const QByteArray& bytes) {
        const std::lock_guard lock(renderMutex_);
        std::unique_ptr<fluid_player_t, PlayerDeleter> player(new_fluid_player(synth_.get()));
        if (!player)
            return;
        fluid_player_set_playback_callback(player.get(), &play, synth_.get());
        fluid_player_set_loop(player.get(), -1);
        if (fluid_player_add_mem(player.get(), bytes.constData(), std::size_t(bytes.size())) !=
                FLUID_OK ||
            fluid_player_play(player.get()) != FLUID_OK)
            return;
        playing_ = std::move(player);
    }

    const std::string soundFont_;
    const bool audioOutput_;
    const std::string alsaDevice_;
    std::vector<std::string> drivers_;

    mutable std::mutex stateMutex_;
    mutable std::condition_variable stateChanged_;
    FluidMidi::State state_ = FluidMidi::State::Loading;

    std::mutex requestMutex_;
    std::condition_variable requestChanged_;
    std::condition_variable settledChanged_;
    std::optional<QString> pending_;
    std::uint64_t asked_ = 0;
    std::uint64_t settled_ = 0;
    bool quit_ = false;
    bool serving_ = true;

    // Keeps the audio thread out while a track is cut or started.
    std::mutex renderMutex_;
    std::unique_ptr<fluid_player_t, PlayerDeleter> playing_;
    bool synthReady_ = false;

    // The worker's, once the SoundFont is loaded.
    Settings settings_;
    Synth synth_;
    std::unique_ptr<fluid_audio_driver_t, DriverDeleter> driver_;
    int sfontId_ = FLUID_FAILED;
    std::unique_ptr<Scout> scout_;
    PresetSet chosen_;

    std::thread worker_;
};

// ---- The device ------------------------------------------------------------

double FluidMidi::gainFor(const std::string& soundFont) {
    // Measured on the game's three tracks (bench/music_render_bench levels):
    // these put every track's peak between -6 and -3 dBFS. The two fonts
    // differ by about 1.5 dB, more than one gain leaves room for.
    const QString name =
        QFileInfo(QFileInfo(QFile::decodeName(soundFont.c_str())).canonicalFilePath()).fileName();
    if (name == QLatin1String("TimGM6mb.sf2"))
        return 0.525;
    return 0.45; // FluidR3_GM.sf2, and the best guess for any other font
}

FluidMidi::FluidMidi() : engine_(FluidEngine::forProcess()) {}

FluidMidi::FluidMidi(const Options& options) : engine_(std::make_shared<FluidEngine>(options)) {}

std::unique_ptr<FluidMidi> FluidMidi::offline(const QString& soundFont) {
    Options o;
    o.soundFont = soundFont;
    o.audioOutput = false;
    return std::make_unique<FluidMidi>(o);
}

FluidMidi::~FluidMidi() {
    // The process's synthesizer outlives its devices; their music does not.
    engine_->ask(QString());
}

void FluidMidi::play(const QString& path) {
    engine_->ask(path);
}

void FluidMidi::stop() {
    engine_->ask(QString());
}

void FluidMidi::letLibrariesSpeak() {
    librariesSpeak.store(true);
}

FluidMidi::State FluidMidi::state() const {
    return engine_->state();
}

bool FluidMidi::waitUntilReady(std::chrono::milliseconds timeout) const {
    return engine_->waitLoaded(timeout);
}

bool FluidMidi::render(float* left, float* right, int frames) {
    if (!engine_->offline())
        return false;
    engine_->waitLoaded();
    engine_->waitSettled();
    engine_->render(left, right, frames);
    return true;
}

std::unique_ptr<MidiDevice> makeRealMidiDevice() {
    return std::make_unique<FluidMidi>();
}

} // namespace platform
