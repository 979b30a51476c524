#include "app/MainWindow.h"
#include "app/NewGame.h"
#include "platform/Application.h"
#include "state/GameState.h"

#ifdef KOBUSATO_STARTUP_PROBE
#include "bench/startup_probe.h"
#include "platform/Process.h"
#endif

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "kobusato: no display found (DISPLAY is not set).\n"
                     "Run it on a desktop, or under a virtual display:\n"
                     "  xvfb-run -s '-screen 0 1280x800x24' %s\n",
                     argv[0]);
        return 1;
    }
    platform::Application app(argc, argv);
#ifdef KOBUSATO_STARTUP_PROBE
    // The start-up benchmark's own build: the game's data is in the build's
    // program folder, and the program ends once the frame is painted.
    platform::setProgramFolderForTests(QStringLiteral(KOBUSATO_GAME_DIR));
#endif
    kobu::installStateSnapshots();
    kobu::startUp();
#ifdef KOBUSATO_STARTUP_PROBE
    reportWhenShown(kobu::MainWindow::instance());
#endif
    return app.exec();
}
