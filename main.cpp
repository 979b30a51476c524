#include "app/CommandLine.h"
#include "app/MainWindow.h"
#include "app/NewGame.h"
#include "platform/Application.h"
#include "platform/Language.h"
#include "platform/PlayerSettings.h"
#include "state/GameState.h"

#ifdef KOBUSATO_STARTUP_PROBE
#include "bench/startup_probe.h"
#include "platform/Process.h"
#endif

#include <cstdio>

int main(int argc, char** argv) {
    if (const auto status = kobu::answerCommandLine(kobu::parseCommandLine(argc, argv), argv[0]))
        return *status;
    const platform::LanguageOption language = platform::languageOption(argc, argv);
    if (!language.error.empty()) {
        std::fprintf(stderr, "kobusato: %s\n", language.error.c_str());
        return 2;
    }
    // Qt fixes the scale when the application object is made.
    platform::applyGameSize(platform::rememberedGameSize());
    platform::Application app(argc, argv);
    platform::startLanguage(language.language);
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
