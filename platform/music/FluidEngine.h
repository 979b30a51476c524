#pragma once
// The process's synthesizer, its SoundFont and audio output, made and served
// on a thread of their own: tracks are switched there, so that nothing the
// game asks for waits on the disk.

#include "platform/FluidMidi.h"
#include "platform/music/CutLoader.h"
#include "platform/music/FluidParts.h"
#include "platform/music/MidiScout.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace platform {

class FluidEngine {
  public:
    explicit FluidEngine(const FluidMidi::Options& o);
    ~FluidEngine();
    FluidEngine(const FluidEngine&) = delete;
    FluidEngine& operator=(const FluidEngine&) = delete;

    // Kept to the end of the process: the audio output is opened once.
    static std::shared_ptr<FluidEngine> forProcess();

    bool offline() const { return !audioOutput_; }

    FluidMidi::State state() const;
    bool waitLoaded(std::chrono::milliseconds timeout) const;
    void waitLoaded() const;

    // A file to play from its beginning, or nothing when `path` is empty. Only
    // the last request waiting counts: a track asked for and replaced before
    // the synthesizer got to it is never heard.
    void ask(const QString& path);
    // Scales the SoundFont's gain; at 0 the track asked for last is cut and
    // its SoundFont let go, and raised again it starts from its beginning.
    void setVolume(double volume);
    int soundFontsHeld();

    // Until every request so far has taken effect.
    void waitSettled();

    void render(float* left, float* right, int frames);

  private:
    void run() noexcept;
    void finish(FluidMidi::State result);
    // Nothing will sound: the SoundFont is not held for nothing.
    void release();
    static void nameTheStream();
    bool loadSoundFont();
    FluidMidi::State openOutput();
    // Only the game's own output speaks up; an offline engine's caller asks.
    void sayIfHeard(const std::string& line) const;
    static int audioCallback(void* data, int len, int, float**, int nout, float** out);
    void serveRequests();

    // Switching tracks (FluidTracks.cpp).
    void serve(const QString& path);
    void cut();
    void dropSoundFont();
    bool loadSoundFontFor(const music::Reach& reach);
    void start(const QByteArray& bytes);

    const std::string soundFont_;
    const bool audioOutput_;
    const std::string alsaDevice_;
    const double baseGain_;
    std::atomic<double> volume_{1.0};
    std::vector<std::string> drivers_;

    mutable std::mutex stateMutex_;
    mutable std::condition_variable stateChanged_;
    FluidMidi::State state_ = FluidMidi::State::Loading;

    std::mutex requestMutex_;
    std::condition_variable requestChanged_;
    std::condition_variable settledChanged_;
    std::optional<QString> pending_;
    QString wanted_; // asked for last, played or not
    std::uint64_t asked_ = 0;
    std::uint64_t settled_ = 0;
    bool quit_ = false;
    bool serving_ = true;

    // Keeps the audio thread out while a track is cut or started.
    std::mutex renderMutex_;
    std::unique_ptr<fluid_player_t, music::PlayerDeleter> playing_;
    bool synthReady_ = false;

    // The worker's, once the SoundFont is loaded.
    music::Settings settings_;
    music::Synth synth_;
    std::unique_ptr<fluid_audio_driver_t, music::DriverDeleter> driver_;
    std::optional<music::SoundFontIndex> index_;
    std::unique_ptr<music::Scout> scout_;
    // The SoundFont cut for the track that plays, if one does.
    std::unique_ptr<music::CutFile> cutFile_;
    int sfontId_ = FLUID_FAILED;
    // The SoundFont is FluidSynth's, loaded once, whole, and never cut.
    bool whole_ = false;
    std::vector<music::PresetKey> pinned_; // of the whole SoundFont, for the track that plays

    std::thread worker_;
};

} // namespace platform
