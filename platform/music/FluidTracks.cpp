// Switching tracks on the game's synthesizer: the cut, the SoundFont cut
// down to the next track's notes, and FluidSynth's player looping it.
#include "platform/music/FluidEngine.h"

#include "platform/music/MusicFiles.h"

#include <QFile>
#include <malloc.h>

namespace platform {

using namespace music;

namespace {

// FluidSynth's player hands the file's events to `synth` through this.
int play(void* synth, fluid_midi_event_t* event) {
    return deliver(static_cast<fluid_synth_t*>(synth), event);
}

} // namespace

void FluidEngine::serve(const QString& path) {
    // A switch cuts the track that plays at once, whatever follows, and
    // its samples go before the next track's are read.
    cut();
    dropSoundFont();
    std::optional<QByteArray> bytes;
    if (!path.isEmpty())
        bytes = readMusicFile(path);
    if (!bytes || !scout_)
        return;
    const Scout::Result scouted = scout_->run(*bytes);
    if (scouted.totalTicks <= 0) {
        sayOnceAbout(path, "is not a playable MIDI file");
        return;
    }
    if (loadSoundFontFor(scouted.reach))
        start(*bytes);
}

void FluidEngine::cut() {
    const std::lock_guard lock(renderMutex_);
    playing_.reset();
    if (synthReady_) {
        fluid_synth_all_sounds_off(synth_.get(), -1);
        // A voice lets go of its sample only once the synthesizer has
        // rendered past its end; until then the SoundFont cannot go, and
        // FluidSynth would start a thread for each switch to free it later.
        if (sfontId_ != FLUID_FAILED) {
            float scratch[2 * 64];
            fluid_synth_write_float(synth_.get(), 64, scratch, 0, 2, scratch, 1, 2);
        }
        resetToEmptyChannels(synth_.get(), sfontId_);
    }
}

void FluidEngine::dropSoundFont() {
    if (whole_) {
        for (const PresetKey& p : pinned_)
            fluid_synth_unpin_preset(synth_.get(), sfontId_, p.first, p.second);
        pinned_.clear();
        malloc_trim(0);
        return;
    }
    if (sfontId_ != FLUID_FAILED)
        fluid_synth_sfunload(synth_.get(), sfontId_, 0);
    sfontId_ = FLUID_FAILED;
    cutFile_.reset();
    // The samples, and what FluidSynth read the lists into.
    malloc_trim(0);
}

// Reads the samples of every zone a note of the track falls in, before the
// first note: the audio callback never waits for the disk.
bool FluidEngine::loadSoundFontFor(const Reach& reach) {
    if (!synthReady_)
        return false;
    if (!whole_) {
        if (!index_)
            return false;
        cutFile_ = std::make_unique<CutFile>(*index_, reach);
        cutFile_->readAhead();
        sfontId_ = fluid_synth_sfload(synth_.get(), cutFile_->name().c_str(), 0);
        if (sfontId_ == FLUID_FAILED) {
            cutFile_.reset();
            sayOnceAbout(QFile::decodeName(soundFont_.c_str()),
                         "could not be cut to a track's notes; that track is silent");
            return false;
        }
    }
    for (const auto& [preset, notes] : reach.notes())
        if (fluid_synth_pin_preset(synth_.get(), sfontId_, preset.first, preset.second) ==
                FLUID_OK &&
            whole_)
            pinned_.push_back(preset);
    malloc_trim(0);
    return true;
}

// FluidSynth's player starts the file again the moment it reaches its
// end of track, in the same block (Debian's 2.3.1-2 and upstream from
// 2.3.2 on), and without a reset the last notes ring on into the next
// round.
void FluidEngine::start(const QByteArray& bytes) {
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

} // namespace platform
