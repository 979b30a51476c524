// Switching tracks on the game's synthesizer: the cut, the instruments held
// for the next track, and FluidSynth's player looping it.
#include "platform/music/FluidEngine.h"

#include "platform/music/MusicFiles.h"

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

void FluidEngine::cut() {
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
void FluidEngine::choose(const PresetSet& presets) {
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
