#include "media/MidiSaisei.h"

#include "platform/Guard.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QPointer>

using namespace platform;

namespace kobu {

MidiSaisei::MidiSaisei() : GameWindow(QStringLiteral("MidiSaisei")) {
    setTitle(QStringLiteral("Form1"));
    QPointer<MidiSaisei> self(this);
    midi().setDoneHandler([self] {
        if (self && !self->isUnloaded())
            runGuarded(self, [self] { self->MMControl1_Done(); });
    });
}

void MidiSaisei::onUnload() {
    // Nothing may restart once the player is gone, and the music stops with it.
    midi().setDoneHandler({});
    midi().close();
}

void MidiSaisei::Saisei(int Kyokuban) {
    MidiDevice& dev = midi();
    dev.close();
    if (Kyokuban >= 1 && Kyokuban <= 3) {
        dev.setFileName(game().musicPaths[static_cast<size_t>(Kyokuban)]);
        // The close above reports the interrupted playback as ended; that one
        // report must not restart anything.
        skipNextDone = kTrue;
    }
    dev.open();
    dev.play();
}

void MidiSaisei::MMControl1_Done() {
    if (skipNextDone != 0) {
        skipNextDone = 0;
        return;
    }
    MidiDevice& dev = midi();
    dev.close();
    dev.open();
    dev.play();
}

void PlayTrack(int Kyokuban) { Windows::instance().get<MidiSaisei>().Saisei(Kyokuban); }

} // namespace kobu
