#include "platform/FluidMidi.h"

#include "platform/PlayerSettings.h"
#include "platform/music/FluidEngine.h"
#include "platform/music/MusicFiles.h"

#include <QFileInfo>

namespace platform {

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

void FluidMidi::setVolume(double volume) {
    engine_->setVolume(volume);
}

int FluidMidi::soundFontsHeld() {
    engine_->waitLoaded();
    engine_->waitSettled();
    return engine_->soundFontsHeld();
}

void FluidMidi::letLibrariesSpeak() {
    music::librariesSpeak.store(true);
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
    auto device = std::make_unique<FluidMidi>();
    // Before the first track, so that a muted game never reads one.
    device->setVolume(deviceVolume(rememberedMusic()));
    return device;
}

} // namespace platform
