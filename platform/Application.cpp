#include "platform/Application.h"

#include "platform/Fonts.h"
#include "platform/Form.h"
#include "platform/Language.h"

#include <QIcon>
#include <QKeyEvent>
#include <cstdio>

// Outside any namespace, as the resource's registration function is.
static void initPictures() { Q_INIT_RESOURCE(ui); }

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // The windows' pictures live in the static game library.
    initPictures();
    setApplicationName(QStringLiteral("Kobusato"));
    // Ties the windows to the launcher, so the desktop shows its name and icon.
    setDesktopFileName(QStringLiteral("io.github.kobusato.Kobusato"));
    // Japanese whatever the desktop's language; the player's choice comes
    // after (startLanguage).
    applyLanguage(Language::Japanese);
    installFontSubstitutions();
    setFont(defaultFont());
    // The game's own mark in every title bar, in place of the toolkit's.
    setWindowIcon(QIcon(QStringLiteral(":/ui/battle_attack.png")));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        routeKeyPress(receiver, static_cast<QKeyEvent*>(event)))
        return true;
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // Handlers are guarded; this is the last line so nothing unwinds
        // through Qt's event loop.
        std::fprintf(stderr, "kobusato: unexpected error in an event\n");
        return true;
    }
}

} // namespace platform
