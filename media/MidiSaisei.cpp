#include "media/MidiSaisei.h"

#include "platform/Services.h"
#include "state/GameState.h"

using namespace platform;

namespace kobu {

MidiSaisei::MidiSaisei() : GameWindow(QStringLiteral("MidiSaisei")) {
    setTitle(QStringLiteral("Form1"));
}

void MidiSaisei::onUnload() {
    // The music stops with its player (New game closes every window).
    midi().stop();
}

void MidiSaisei::Saisei(int Kyokuban) {
    if (Kyokuban >= 1 && Kyokuban <= 3)
        fileName = game().musicPaths[static_cast<size_t>(Kyokuban)];
    // The device loops the file by itself until the next call, so a track
    // that is replaced can never come back on its own.
    midi().play(fileName);
}

void PlayTrack(int Kyokuban) { Windows::instance().get<MidiSaisei>().Saisei(Kyokuban); }

} // namespace kobu
