#pragma once
// The music player: a window that is never seen, looping one track at a time.

#include "platform/GameWindow.h"
#include "state/I16.h"

namespace kobu {

class MidiSaisei : public platform::GameWindow {
    Q_OBJECT
public:
    MidiSaisei();
    void onUnload() override;

    // Switches to track 1 (town), 2 (match) or 3 (ending), from its beginning.
    void Saisei(int Kyokuban);
    // The device's report that a playback has ended.
    void MMControl1_Done();

    i16 skipNextDone = 0;
};

// Saisei on the player window, creating it when needed.
void PlayTrack(int Kyokuban);

} // namespace kobu
