#include "platform/FluidMidi.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QSet>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fluidsynth.h>
#include <functional>
#include <mutex>
#include <string>
#include <sys/resource.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace platform {

// ---- Reading MIDI files --------------------------------------------------
namespace {

class ByteReader {
  public:
    ByteReader(const std::uint8_t* at, std::size_t size) : at_(at), end_(at + size) {}
    std::size_t left() const { return static_cast<std::size_t>(end_ - at_); }
    const std::uint8_t* here() const { return at_; }
    std::optional<std::uint8_t> byte() {
        if (at_ == end_)
            return std::nullopt;
        return *at_++;
    }
    std::optional<std::uint32_t> bigEndian(int bytes) {
        if (left() < static_cast<std::size_t>(bytes))
            return std::nullopt;
        std::uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v = (v << 8) | *at_++;
        return v;
    }
    // A variable-length quantity: seven bits a byte, at most four bytes.
    std::optional<std::uint32_t> varLen() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const auto b = byte();
            if (!b)
                return std::nullopt;
            v = (v << 7) | (*b & 0x7Fu);
            if (!(*b & 0x80u))
                return v;
        }
        return std::nullopt;
    }
    bool skip(std::size_t n) {
        if (left() < n)
            return false;
        at_ += n;
        return true;
    }

  private:
    const std::uint8_t* at_;
    const std::uint8_t* end_;
};

struct TickEvent {
    std::uint64_t tick = 0;
    std::uint32_t tempo = 0; // microseconds a quarter note; 0 for a channel message
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
};

int dataBytes(std::uint8_t status) {
    const int type = status & 0xF0;
    return type == 0xC0 || type == 0xD0 ? 1 : 2;
}

// Appends the track's tempo changes and channel messages to `out`; returns the
// tick of the last event read, which may be an end-of-track or other meta event.
std::uint64_t readTrack(ByteReader r, std::vector<TickEvent>& out) {
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (r.left() > 0) {
        const auto delta = r.varLen();
        const auto first = r.byte();
        if (!delta || !first)
            break;
        const std::uint64_t at = tick + *delta;
        std::uint8_t status = *first;
        std::uint8_t data[2] = {0, 0};
        int have = 0;
        if (status < 0x80) {
            if (running == 0)
                break;
            data[have++] = status;
            status = running;
        }
        if (status == 0xFF) {
            const auto type = r.byte();
            const auto length = r.varLen();
            if (!type || !length || r.left() < *length)
                break;
            const std::uint8_t* body = r.here();
            r.skip(*length);
            tick = at;
            if (*type == 0x2F)
                break;
            if (*type == 0x51 && *length >= 3) {
                const std::uint32_t tempo =
                    (std::uint32_t{body[0]} << 16) | (std::uint32_t{body[1]} << 8) | body[2];
                if (tempo > 0)
                    out.push_back({at, tempo, 0, 0, 0});
            }
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            const auto length = r.varLen();
            if (!length || !r.skip(*length))
                break;
            tick = at;
            continue;
        }
        if (status > 0xF0)
            break; // no other system message belongs in a file
        running = status;
        bool damaged = false;
        while (have < dataBytes(status)) {
            const auto b = r.byte();
            if (!b || *b >= 0x80) {
                damaged = true;
                break;
            }
            data[have++] = *b;
        }
        if (damaged)
            break;
        tick = at;
        out.push_back({at, 0, status, data[0], data[1]});
    }
    return tick;
}

} // namespace

std::optional<MidiSong> readMidiFile(const QByteArray& bytes) {
    ByteReader r(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                 static_cast<std::size_t>(bytes.size()));
    if (r.left() < 14 || std::memcmp(r.here(), "MThd", 4) != 0)
        return std::nullopt;
    r.skip(4);
    const std::uint32_t headerLength = *r.bigEndian(4);
    if (headerLength < 6 || r.left() < headerLength)
        return std::nullopt;
    r.bigEndian(2); // format: 0 and 1 play the same way here
    const std::uint32_t trackCount = *r.bigEndian(2);
    const std::uint32_t division = *r.bigEndian(2);
    r.skip(headerLength - 6);

    // A fixed tick length for time-code files, otherwise a share of the tempo.
    double fixedUsPerTick = 0;
    if (division & 0x8000u) {
        const int fps = 256 - static_cast<int>(division >> 8);
        const double framesPerSecond = fps == 29 ? 29.97 : fps;
        const int ticksPerFrame = static_cast<int>(division & 0xFFu);
        if (ticksPerFrame == 0)
            return std::nullopt;
        fixedUsPerTick = 1e6 / (framesPerSecond * ticksPerFrame);
    } else if (division == 0) {
        return std::nullopt;
    }

    std::vector<TickEvent> ticks;
    std::uint64_t endTick = 0;
    std::uint32_t tracksRead = 0;
    while (tracksRead < trackCount && r.left() >= 8) {
        const bool isTrack = std::memcmp(r.here(), "MTrk", 4) == 0;
        r.skip(4);
        // A chunk cut short by the end of the file keeps what is there.
        const std::uint32_t declared = *r.bigEndian(4);
        const std::size_t length = std::min<std::size_t>(declared, r.left());
        if (isTrack) {
            endTick = std::max(endTick, readTrack(ByteReader(r.here(), length), ticks));
            ++tracksRead;
        }
        r.skip(length);
    }
    if (tracksRead == 0)
        return std::nullopt;

    // The tracks play together: one time line, each track's own order kept
    // for events on the same tick (a note's end before the next note).
    std::stable_sort(ticks.begin(), ticks.end(),
                     [](const TickEvent& a, const TickEvent& b) { return a.tick < b.tick; });
    MidiSong song;
    song.events.reserve(ticks.size());
    double us = 0;
    std::uint64_t lastTick = 0;
    std::uint32_t tempo = 500000; // 120 beats a minute until the file says otherwise
    const auto usPerTick = [&] {
        return fixedUsPerTick > 0 ? fixedUsPerTick : static_cast<double>(tempo) / division;
    };
    for (const TickEvent& e : ticks) {
        us += static_cast<double>(e.tick - lastTick) * usPerTick();
        lastTick = e.tick;
        if (e.tempo != 0)
            tempo = e.tempo;
        else
            song.events.push_back({std::llround(us), e.status, e.data1, e.data2});
    }
    song.lengthUs = std::llround(us + static_cast<double>(endTick - lastTick) * usPerTick());
    if (song.lengthUs <= 0)
        return std::nullopt;
    return song;
}

// ---- The synthesizer -------------------------------------------------------

struct FluidPlayback {
    std::shared_ptr<const MidiSong> song;
    // Called on the rendering thread, with the engine's lock held, when the
    // last event has been played, with the playback's serial at that moment.
    // The playback has already begun the file again by then, at the very frame
    // of its end: the device keeps that round when the game asks for the same
    // file again, and cuts it otherwise.
    std::function<void(std::uint64_t)> ended;
    std::uint64_t serial = 0; // tells the device which playback ended
    std::size_t next = 0;     // first event not yet sent
    std::int64_t frame = 0;   // frames rendered since the start
    bool active = false;      // in the engine's list
};

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

void say(const std::string& line) {
    std::fputs(("kobusato: " + line + "\n").c_str(), stderr);
    std::fflush(stderr);
}

std::int64_t frameAt(std::int64_t us) {
    return us * FluidMidi::kSampleRate / 1'000'000;
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

} // namespace

class FluidEngine {
  public:
    explicit FluidEngine(const FluidMidi::Options& o)
        : soundFont_(QFile::encodeName(o.soundFont).toStdString()), audioOutput_(o.audioOutput),
          alsaDevice_(o.alsaDevice.toStdString()) {
        for (const QString& d : o.audioDrivers)
            drivers_.push_back(d.toStdString());
        keepLibrariesQuiet();
        if (audioOutput_)
            nameTheStream();
        try {
            loader_ = std::thread([this] { load(); });
        } catch (const std::system_error&) {
            finish(FluidMidi::State::Silent);
        }
    }
    ~FluidEngine() {
        if (loader_.joinable())
            loader_.join();
        // The audio thread goes first: it uses the synthesizer.
        driver_.reset();
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

    // Ends `old` if it is still playing and starts `next`, on cleared channels,
    // in one step the rendering thread cannot come between. Either may be null.
    void swap(FluidPlayback* old, FluidPlayback* next) {
        const std::lock_guard lock(playMutex_);
        if (old && old->active) {
            playing_.erase(std::find(playing_.begin(), playing_.end(), old));
            old->active = false;
        }
        if (synthReady_.load(std::memory_order_acquire)) {
            fluid_synth_all_sounds_off(synth_.get(), -1);
            fluid_synth_system_reset(synth_.get());
        }
        if (next) {
            next->active = true;
            playing_.push_back(next);
        }
    }

    // Gives a playback that goes on a new serial, so that its next end is told
    // apart from the one already reported.
    void renumber(FluidPlayback* p, std::uint64_t serial) {
        const std::lock_guard lock(playMutex_);
        p->serial = serial;
    }

    void render(float* left, float* right, int frames) {
        const std::lock_guard lock(playMutex_);
        const bool sounding = synthReady_.load(std::memory_order_acquire);
        int done = 0;
        while (done < frames) {
            std::int64_t chunk = frames - done;
            for (std::size_t i = 0; i < playing_.size();) {
                FluidPlayback& p = *playing_[i];
                std::int64_t until = advance(p, sounding);
                if (until == 0) {
                    p.next = 0;
                    p.frame = 0;
                    p.ended(p.serial);
                    until = advance(p, sounding);
                }
                chunk = std::min(chunk, until);
                ++i;
            }
            const int n = static_cast<int>(chunk);
            if (sounding) {
                fluid_synth_write_float(synth_.get(), n, left, done, 1, right, done, 1);
            } else {
                std::fill_n(left + done, n, 0.0f);
                std::fill_n(right + done, n, 0.0f);
            }
            for (FluidPlayback* p : playing_)
                p->frame += n;
            done += n;
        }
    }

  private:
    void load() noexcept {
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
        finish(result);
    }

    void finish(FluidMidi::State result) {
        {
            const std::lock_guard lock(stateMutex_);
            state_ = result;
        }
        stateChanged_.notify_all();
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
        settings_.reset(new_fluid_settings());
        if (!settings_)
            return false;
        fluid_settings_setnum(settings_.get(), "synth.sample-rate", FluidMidi::kSampleRate);
        // Four periods of 256 frames: the usual 23 ms of latency in a quarter
        // of the wake-ups.
        fluid_settings_setint(settings_.get(), "audio.period-size", 256);
        fluid_settings_setint(settings_.get(), "audio.periods", 4);
        fluid_settings_setnum(settings_.get(), "synth.gain", FluidMidi::gainFor(soundFont_));
        fluid_settings_setstr(settings_.get(), "audio.pulseaudio.media-role", "");
        synth_.reset(new_fluid_synth(settings_.get()));
        if (!synth_) {
            sayIfHeard("the synthesizer could not be started; the music is silent");
            return false;
        }
        if (fluid_synth_sfload(synth_.get(), soundFont_.c_str(), 1) == FLUID_FAILED) {
            sayIfHeard("the SoundFont " + soundFont_ + " could not be loaded; the music is silent");
            return false;
        }
        synthReady_.store(true, std::memory_order_release);
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

    // Sends the events due at the playback's position; returns the frames until
    // the next one, or 0 once the file's last event has been played.
    std::int64_t advance(FluidPlayback& p, bool sounding) {
        const auto& events = p.song->events;
        while (p.next < events.size() && frameAt(events[p.next].atUs) <= p.frame) {
            if (sounding)
                send(events[p.next]);
            ++p.next;
        }
        const std::int64_t end = frameAt(p.song->lengthUs);
        if (p.next == events.size() && p.frame >= end)
            return 0;
        const std::int64_t until =
            p.next < events.size() ? std::min(frameAt(events[p.next].atUs), end) : end;
        return std::max<std::int64_t>(until - p.frame, 1);
    }

    void send(const MidiSong::Event& e) {
        fluid_synth_t* s = synth_.get();
        const int channel = e.status & 0x0F;
        switch (e.status & 0xF0) {
        case 0x80:
            fluid_synth_noteoff(s, channel, e.data1);
            break;
        case 0x90:
            fluid_synth_noteon(s, channel, e.data1, e.data2);
            break;
        case 0xA0:
            fluid_synth_key_pressure(s, channel, e.data1, e.data2);
            break;
        case 0xB0:
            fluid_synth_cc(s, channel, e.data1, e.data2);
            break;
        case 0xC0:
            fluid_synth_program_change(s, channel, e.data1);
            break;
        case 0xD0:
            fluid_synth_channel_pressure(s, channel, e.data1);
            break;
        case 0xE0:
            fluid_synth_pitch_bend(s, channel, e.data1 | (e.data2 << 7));
            break;
        default:
            break;
        }
    }

    const std::string soundFont_;
    const bool audioOutput_;
    const std::string alsaDevice_;
    std::vector<std::string> drivers_;

    mutable std::mutex stateMutex_;
    mutable std::condition_variable stateChanged_;
    FluidMidi::State state_ = FluidMidi::State::Loading;

    // Guards the playbacks, and keeps their events and the rendering in step.
    std::mutex playMutex_;
    std::vector<FluidPlayback*> playing_;

    // Made by the loading thread; other threads use the synthesizer only once
    // synthReady_ is set.
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings_;
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth_;
    std::unique_ptr<fluid_audio_driver_t, DriverDeleter> driver_;
    std::atomic<bool> synthReady_{false};

    std::thread loader_;
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

FluidMidi::FluidMidi()
    : engine_(FluidEngine::forProcess()), context_(std::make_unique<QObject>()) {}

FluidMidi::FluidMidi(const Options& options)
    : engine_(std::make_shared<FluidEngine>(options)), context_(std::make_unique<QObject>()) {}

std::unique_ptr<FluidMidi> FluidMidi::offline(const QString& soundFont) {
    Options o;
    o.soundFont = soundFont;
    o.audioOutput = false;
    return std::make_unique<FluidMidi>(o);
}

FluidMidi::~FluidMidi() {
    // Taken off the engine before the context goes, so that no end can be
    // posted any more; whatever was posted dies with the context.
    engine_->swap(held_.get(), nullptr);
    engine_->swap(playback_.get(), nullptr);
}

void FluidMidi::setFileName(const QString& path) {
    fileName_ = path;
}

void FluidMidi::listenerChanged() {
    // Whatever was owed or queued was meant for the handler before.
    ++generation_;
    owed_ = true;
    reportWaiting_ = false;
}

void FluidMidi::close() {
    if (answeringEnd_ && playback_ && !held_) {
        // The answer to a natural end: the playback has already begun its
        // next round. It is kept aside until the play that follows says
        // whether that round goes on (the same file again) or is cut.
        held_ = std::move(playback_);
        heldFile_ = fileName_;
    } else {
        engine_->swap(playback_.get(), nullptr);
        playback_.reset();
    }
    song_.reset();
    if (owed_) {
        owed_ = false;
        queueReport();
    }
}

namespace {

// Far beyond any tune the game ships (a few tens of kilobytes), and small
// enough that reading it never holds up the game.
constexpr qint64 kMaxMidiBytes = 4 * 1024 * 1024;

// A player is told once per run about each file that cannot play; the game
// goes on without that music.
void sayOnceAbout(const QString& path, const char* what) {
    static QSet<QString> told;
    if (told.contains(path))
        return;
    told.insert(path);
    say("the music file " + QFile::encodeName(path).toStdString() + " " + what +
        "; that music is silent");
}

} // namespace

void FluidMidi::open() {
    song_.reset();
    if (fileName_.isEmpty())
        return;
    // Only a regular file is opened: a pipe or a device would block the game
    // in open() or never stop giving bytes.
    const QFileInfo info(fileName_);
    if (!info.exists()) {
        sayOnceAbout(fileName_, "is missing");
        return;
    }
    if (!info.isFile()) {
        sayOnceAbout(fileName_, "is not a regular file");
        return;
    }
    if (info.size() > kMaxMidiBytes) {
        sayOnceAbout(fileName_, "is too large to be music");
        return;
    }
    QFile file(fileName_);
    if (!file.open(QIODevice::ReadOnly)) {
        sayOnceAbout(fileName_, "cannot be read");
        return;
    }
    auto song = readMidiFile(file.read(kMaxMidiBytes));
    if (!song) {
        sayOnceAbout(fileName_, "is not a playable MIDI file");
        return;
    }
    song_ = std::make_shared<const MidiSong>(std::move(*song));
}

void FluidMidi::play() {
    // Owed even when nothing could be opened: the game's player counts on one
    // report for every switch of track.
    owed_ = true;
    if (held_ && song_ && fileName_ == heldFile_) {
        // The loop goes on where it already is, tail and all.
        playback_ = std::move(held_);
        engine_->renumber(playback_.get(), ++serial_);
        return;
    }
    if (!song_) {
        cutHeld();
        return;
    }
    auto next = std::make_unique<FluidPlayback>();
    next->song = song_;
    next->ended = [this](std::uint64_t serial) {
        QMetaObject::invokeMethod(
            context_.get(), [this, serial] { reachedEnd(serial); }, Qt::QueuedConnection);
    };
    next->serial = ++serial_;
    engine_->swap(held_ ? held_.get() : playback_.get(), next.get());
    held_.reset();
    playback_ = std::move(next);
}

void FluidMidi::cutHeld() {
    if (!held_)
        return;
    engine_->swap(held_.get(), nullptr);
    held_.reset();
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
    engine_->render(left, right, frames);
    return true;
}

// Reports go through the event loop: the game answers one by giving the next
// commands, which must not run inside the command that ended the playback.
void FluidMidi::queueReport() {
    if (reportWaiting_)
        return;
    reportWaiting_ = true;
    QMetaObject::invokeMethod(
        context_.get(),
        [this, generation = generation_] {
            if (generation != generation_)
                return;
            // Still waiting while it is handled: a close made by the handler
            // must not queue another report.
            reportDone();
            if (generation == generation_)
                reportWaiting_ = false;
        },
        Qt::QueuedConnection);
}

void FluidMidi::reachedEnd(std::uint64_t serial) {
    // A close or a new play since then has settled that playback already.
    if (!playback_ || playback_->serial != serial)
        return;
    FluidPlayback* const rolled = playback_.get();
    if (owed_ && !reportWaiting_ && hasDoneHandler()) {
        owed_ = false;
        reportWaiting_ = true;
        answeringEnd_ = true;
        const std::uint64_t generation = generation_;
        reportDone();
        answeringEnd_ = false;
        if (generation == generation_)
            reportWaiting_ = false;
        cutHeld();
    } else {
        owed_ = false;
    }
    // Nobody asked for another round: the one begun at the end stops.
    if (playback_.get() == rolled && playback_->serial == serial) {
        engine_->swap(rolled, nullptr);
        playback_.reset();
    }
}

std::unique_ptr<MidiDevice> makeRealMidiDevice() {
    return std::make_unique<FluidMidi>();
}

} // namespace platform
