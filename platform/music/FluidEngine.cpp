#include "platform/music/FluidEngine.h"

#include "platform/music/MusicFiles.h"

#include <QFile>
#include <algorithm>
#include <malloc.h>
#include <sys/resource.h>
#include <system_error>
#include <unistd.h>

namespace platform {

using namespace music;

FluidEngine::FluidEngine(const FluidMidi::Options& o)
    : soundFont_(QFile::encodeName(o.soundFont).toStdString()), audioOutput_(o.audioOutput),
      alsaDevice_(o.alsaDevice.toStdString()), baseGain_(FluidMidi::gainFor(soundFont_)) {
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

FluidEngine::~FluidEngine() {
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
    cutFile_.reset();
    settings_.reset();
}

std::shared_ptr<FluidEngine> FluidEngine::forProcess() {
    static const std::shared_ptr<FluidEngine> engine =
        std::make_shared<FluidEngine>(FluidMidi::Options{});
    return engine;
}

FluidMidi::State FluidEngine::state() const {
    const std::lock_guard lock(stateMutex_);
    return state_;
}

bool FluidEngine::waitLoaded(std::chrono::milliseconds timeout) const {
    std::unique_lock lock(stateMutex_);
    return stateChanged_.wait_for(lock, timeout,
                                  [this] { return state_ != FluidMidi::State::Loading; });
}

void FluidEngine::waitLoaded() const {
    std::unique_lock lock(stateMutex_);
    stateChanged_.wait(lock, [this] { return state_ != FluidMidi::State::Loading; });
}

void FluidEngine::ask(const QString& path) {
    {
        const std::lock_guard lock(requestMutex_);
        wanted_ = path;
        // Muted, the track is remembered but not read: nothing to hold.
        pending_ = volume_.load() > 0 ? path : QString();
        ++asked_;
    }
    requestChanged_.notify_all();
}

void FluidEngine::setVolume(double volume) {
    volume = std::clamp(volume, 0.0, 1.0);
    bool restart = false;
    {
        const std::lock_guard lock(requestMutex_);
        const bool wasMuted = volume_.load() <= 0;
        volume_.store(volume);
        if (wasMuted != (volume <= 0)) {
            pending_ = volume > 0 ? wanted_ : QString();
            ++asked_;
            restart = true;
        }
    }
    if (restart)
        requestChanged_.notify_all();
    const std::lock_guard lock(renderMutex_);
    if (synthReady_ && volume > 0)
        fluid_synth_set_gain(synth_.get(), float(baseGain_ * volume));
}

int FluidEngine::soundFontsHeld() {
    const std::lock_guard lock(renderMutex_);
    return synthReady_ ? fluid_synth_sfcount(synth_.get()) : 0;
}

void FluidEngine::waitSettled() {
    std::unique_lock lock(requestMutex_);
    settledChanged_.wait(lock, [this] { return quit_ || !serving_ || settled_ == asked_; });
}

void FluidEngine::render(float* left, float* right, int frames) {
    const std::lock_guard lock(renderMutex_);
    if (synthReady_) {
        fluid_synth_write_float(synth_.get(), frames, left, 0, 1, right, 0, 1);
    } else {
        std::fill_n(left, frames, 0.0f);
        std::fill_n(right, frames, 0.0f);
    }
}

void FluidEngine::run() noexcept {
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

void FluidEngine::finish(FluidMidi::State result) {
    {
        const std::lock_guard lock(stateMutex_);
        state_ = result;
    }
    stateChanged_.notify_all();
}

void FluidEngine::release() {
    {
        const std::lock_guard lock(renderMutex_);
        synthReady_ = false;
    }
    scout_.reset();
    synth_.reset();
    cutFile_.reset();
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
void FluidEngine::nameTheStream() {
    qputenv("PULSE_PROP_OVERRIDE_application.name", "Kobusato");
    qputenv("PULSE_PROP_application.id", "io.github.kobusato.Kobusato");
    qputenv("PULSE_PROP_application.icon_name", "io.github.kobusato.Kobusato");
    qputenv("PULSE_PROP_media.role", "game");
}

bool FluidEngine::loadSoundFont() {
    settings_ = musicSettings();
    if (!settings_)
        return false;
    // Four periods of 256 frames: the usual 23 ms of latency in a quarter
    // of the wake-ups.
    fluid_settings_setint(settings_.get(), "audio.period-size", 256);
    fluid_settings_setint(settings_.get(), "audio.periods", 4);
    fluid_settings_setnum(settings_.get(), "synth.gain", baseGain_);
    fluid_settings_setstr(settings_.get(), "audio.pulseaudio.media-role", "");
    // Samples are read when an instrument is chosen, and let go when no
    // channel has it any more.
    fluid_settings_setint(settings_.get(), "synth.dynamic-sample-loading", 1);
    synth_.reset(new_fluid_synth(settings_.get()));
    if (!synth_ || !addCutLoader(synth_.get(), settings_.get())) {
        sayIfHeard("the synthesizer could not be started; the music is silent");
        return false;
    }
    // Only the SoundFont's preset lists are read here; each track then
    // loads a cut of it (loadSoundFontFor). An empty cut tells at once
    // whether FluidSynth can read the file at all.
    std::string notAFile;
    index_ = SoundFontIndex::read(soundFont_, &notAFile);
    if (!notAFile.empty()) {
        sayIfHeard("the SoundFont " + soundFont_ + " " + notAFile + "; the music is silent");
        return false;
    }
    if (index_) {
        const CutFile probe(*index_, Reach{});
        const int id = fluid_synth_sfload(synth_.get(), probe.name().c_str(), 0);
        if (id == FLUID_FAILED)
            index_.reset();
        else
            fluid_synth_sfunload(synth_.get(), id, 0);
    }
    std::vector<PresetKey> presets;
    if (index_) {
        presets = index_->presets();
    } else {
        // Preset lists the cut cannot follow go to FluidSynth's own loader,
        // which then holds the whole file and reads its samples as channels
        // choose them; it refuses what it cannot read in bounded memory.
        cutFile_ = std::make_unique<CutFile>(soundFont_);
        sfontId_ = fluid_synth_sfload(synth_.get(), cutFile_->name().c_str(), 0);
        if (sfontId_ == FLUID_FAILED) {
            cutFile_.reset();
            sayIfHeard("the SoundFont " + soundFont_ + " could not be loaded; the music is silent");
            return false;
        }
        whole_ = true;
        sayIfHeard("the SoundFont " + soundFont_ +
                   " has preset lists out of order; it is loaded whole");
        fluid_sfont_t* sfont = fluid_synth_get_sfont_by_id(synth_.get(), sfontId_);
        fluid_sfont_iteration_start(sfont);
        while (fluid_preset_t* p = fluid_sfont_iteration_next(sfont))
            presets.emplace_back(fluid_preset_get_banknum(p), fluid_preset_get_num(p));
        resetToEmptyChannels(synth_.get(), sfontId_);
    }
    scout_ = std::make_unique<Scout>(presets);
    const std::lock_guard lock(renderMutex_);
    synthReady_ = true;
    // A volume set while the font loaded found no synthesizer to tell.
    if (const double volume = volume_.load(); volume > 0)
        fluid_synth_set_gain(synth_.get(), float(baseGain_ * volume));
    return true;
}

FluidMidi::State FluidEngine::openOutput() {
    if (!audioOutput_)
        return FluidMidi::State::Sounding;
    for (const std::string& name : drivers_) {
        fluid_settings_setstr(settings_.get(), "audio.driver", name.c_str());
        if (name == "alsa" && !alsaDevice_.empty())
            fluid_settings_setstr(settings_.get(), "audio.alsa.device", alsaDevice_.c_str());
        driver_.reset(new_fluid_audio_driver2(settings_.get(), &FluidEngine::audioCallback, this));
        if (driver_)
            return FluidMidi::State::Sounding;
    }
    sayIfHeard("no audio device found; the music is silent");
    return FluidMidi::State::Silent;
}

void FluidEngine::sayIfHeard(const std::string& line) const {
    if (audioOutput_)
        say(line);
}

int FluidEngine::audioCallback(void* data, int len, int, float**, int nout, float** out) {
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

void FluidEngine::serveRequests() {
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

} // namespace platform
