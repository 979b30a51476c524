#pragma once
// The music player: a window that is never seen, looping one track at a time.

#include "platform/GameWindow.h"

#include <QString>

namespace kobu {

// The game's three tracks, numbered as the game state's music paths are.
enum class Track { Town = 1, Match = 2, Ending = 3 };

class MusicPlayer : public platform::GameWindow {
    Q_OBJECT
  public:
    MusicPlayer();
    void onUnload() override;
    void retranslate() override;

    // Switches to `track`, from its beginning.
    void play(Track track);
    // Starts the track named last again from its beginning; nothing plays
    // when no track has been named yet.
    void replay();

    // The file named last, as the player's control keeps it.
    QString fileName;
};

// play() on the player window, creating it when needed.
void playMusic(Track track);

} // namespace kobu
