#include "media/MusicPlayer.h"

#include "platform/Services.h"
#include "state/GameState.h"

using namespace platform;

namespace kobu {

// The window keeps the name the game has always looked it up by.
MusicPlayer::MusicPlayer() : GameWindow(QStringLiteral("MusicPlayer")) {
    translateTexts();
}

// Never seen, but shown for a moment on each return to town, where a screen reader
// says its title.
void MusicPlayer::retranslate() {
    setTitle(tr("音楽"));
}

void MusicPlayer::onUnload() {
    // The music stops with its player (New game closes every window).
    midi().stop();
}

void MusicPlayer::play(Track track) {
    fileName = game().musicPaths[static_cast<size_t>(track)];
    replay();
}

void MusicPlayer::replay() {
    // The device loops the file by itself until the next call, so a track
    // that is replaced can never come back on its own.
    midi().play(fileName);
}

void playMusic(Track track) {
    Windows::instance().get<MusicPlayer>().play(track);
}

} // namespace kobu
