#include "app/MDIForm1.h"
#include "app/NewGame.h"
#include "platform/Application.h"
#include "platform/Language.h"
#include "state/GameState.h"

#ifdef KOBUSATO_STARTUP_PROBE
#include "bench/startup_probe.h"
#include "platform/Process.h"
#endif

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const platform::LanguageOption language = platform::languageOption(argc, argv);
    if (!language.error.empty()) {
        std::fprintf(stderr, "kobusato: %s\n", language.error.c_str());
        return 2;
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "kobusato: no display found (DISPLAY is not set).\n"
                     "Run it on a desktop, or under a virtual display:\n"
                     "  xvfb-run -s '-screen 0 1280x800x24' %s\n",
                     argv[0]);
        return 1;
    }
    platform::Application app(argc, argv);
    platform::startLanguage(language.language);
#ifdef KOBUSATO_STARTUP_PROBE
    // The start-up benchmark's own build: the game's data is in the build's
    // program folder, and the program ends once the frame is painted.
    platform::setProgramFolderForTests(QStringLiteral(KOBUSATO_GAME_DIR));
#endif
    kobu::installStateSnapshots();
    kobu::Main();
#ifdef KOBUSATO_STARTUP_PROBE
    reportWhenShown(kobu::MDIForm1::instance());
#endif
    return app.exec();
}
