#include "app/NewGame.h"

#include "app/MDIForm1.h"
#include "character/FName.h"
#include "platform/Form.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QLineEdit>

using namespace platform;

namespace kobu {

void NewGame() {
    GameState& g = game();
    if (!g.playerName.isEmpty()) {
        if (MsgBox(QStringLiteral("終了してもよろしいですか？"), vbYesNo | vbQuestion,
                   QStringLiteral("確認")) == vbYes) {
            closeAllChildWindows();
            ResetGameState();
        }
    }
    FName& f = Forms::instance().show<FName>();
    f.TtName->setFocus();
}

void Main() {
    GameState& g = game();
    assignStartValues(g);
    const ProgramPaths p = pathsFromFolder(programFolder());
    g.appPath = p.appPath;
    g.musicPaths = p.musicPaths;
    (void)platform::random(); // seeded from the clock on first use
    (void)platform::midi();   // the SoundFont loads while the title shows
    auto* frame = new MDIForm1();
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    frame->showMaximized();
}

} // namespace kobu
