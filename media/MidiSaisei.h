#pragma once
// The music player: a window that is never seen, looping one track at a time.

#include "platform/GameWindow.h"

#include <QString>

namespace kobu {

class MidiSaisei : public platform::GameWindow {
    Q_OBJECT
public:
    MidiSaisei();
    void onUnload() override;

    // Switches to track 1 (town), 2 (match) or 3 (ending), from its beginning;
    // any other number starts the track named last again.
    void Saisei(int Kyokuban);

    // The file named last, as the player's control keeps it.
    QString fileName;
};

// Saisei on the player window, creating it when needed.
void PlayTrack(int Kyokuban);

} // namespace kobu
