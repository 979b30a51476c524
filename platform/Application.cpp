#include "platform/Application.h"

#include "platform/Fonts.h"
#include "platform/GameWindow.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QTranslator>
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
    auto* tr = new QTranslator(this);
    if (tr->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                 QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(tr);
    else
        std::fprintf(stderr, "kobusato: Japanese button texts not found (qt6-translations-l10n)\n");
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
