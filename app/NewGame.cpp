#include "app/NewGame.h"

#include "app/MainWindow.h"
#include "character/NameEntryWindow.h"
#include "platform/GameWindow.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/WindowPlace.h"
#include "state/GameState.h"

#include <QCoreApplication>
#include <QLineEdit>

using namespace platform;

namespace kobu {

void newGame() {
    GameState& g = game();
    if (!g.playerName.isEmpty()) {
        if (ask(QCoreApplication::translate("kobu::NewGame", "終了してもよろしいですか？"),
                BoxIcon::Question, QCoreApplication::translate("kobu::NewGame", "確認"))) {
            closeAllChildWindows();
            resetGame();
        }
    }
    NameEntryWindow& f = Windows::instance().show<NameEntryWindow>();
    f.nameBox->setFocus();
}

void startUp() {
    GameState& g = game();
    assignStartValues(g);
    const ProgramPaths p = pathsFromFolder(programFolder());
    g.appPath = p.appPath;
    g.musicPaths = p.musicPaths;
    (void)platform::random(); // seeded from the clock on first use
    (void)platform::midi();   // the SoundFont loads while the title shows
    auto* frame = new MainWindow();
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    // Where the player left it, else maximised as the game always opened.
    if (platform::restoreWindowPlace(frame).value_or(true))
        frame->showMaximized();
    else
        frame->show();
    platform::keepWindowPlace(frame);
}

} // namespace kobu
