#include "app/MDIForm1.h"
#include "app/NewGame.h"
#include "platform/Application.h"
#include "state/GameState.h"

#include "bench/startup_probe.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "kobusato: no display found (DISPLAY is not set).\n"
                     "Run it on a desktop, or under a virtual display:\n"
                     "  xvfb-run -s '-screen 0 1280x800x24' build/game/kobusato\n");
        return 1;
    }
    platform::Application app(argc, argv);
    kobu::installStateSnapshots();
    kobu::Main();
    // The start-up benchmark's probe: report once the frame is painted.
    if (qEnvironmentVariableIsSet("KOBUSATO_EXIT_WHEN_SHOWN"))
        reportWhenShown(kobu::MDIForm1::instance());
    return app.exec();
}
