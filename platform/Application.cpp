#include "platform/Application.h"

#include "platform/Fonts.h"
#include "platform/KeyRouting.h"
#include "platform/Language.h"

#include <QIcon>
#include <QKeyEvent>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unistd.h>
#include <vector>

// Outside any namespace, as the resources' registration functions are.
static void initResources() {
    Q_INIT_RESOURCE(ui);
    Q_INIT_RESOURCE(help);
}

namespace platform {
namespace {

// Qt's messages while it opens the display are held back: when the display
// cannot be opened, Qt says so in three messages and then aborts, advising to
// reinstall, where the player needs one line that names the display.
struct HeldMessage {
    QtMsgType type;
    QByteArray category, file, function;
    int line;
    QString text;
};

struct Opening {
    std::mutex mutex;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
    const char* program = "kobusato";
    const char* xDisplay = nullptr; // given with -display
};

Opening& opening() {
    static Opening o;
    return o;
}

void passOn(QtMessageHandler to, const HeldMessage& m) {
    const QMessageLogContext context(m.file.constData(), m.line, m.function.constData(),
                                     m.category.constData());
    if (to)
        to(m.type, context, m.text);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(m.type, context, m.text)));
}

// The X display Qt opens: the one given with -display, else DISPLAY.
std::string xDisplayTried(const char* given) {
    if (given)
        return std::string("cannot open the display \"") + given + "\" (-display)";
    const char* value = std::getenv("DISPLAY");
    if (!value)
        return "no X display to open (DISPLAY is not set)";
    if (!*value)
        return "no X display to open (DISPLAY is empty)";
    return std::string("cannot open the display \"") + value + "\" (DISPLAY)";
}

std::string waylandDisplayTried() {
    const char* value = std::getenv("WAYLAND_DISPLAY");
    return std::string("cannot open the Wayland display \"") +
           (value && *value ? value : "wayland-0") + "\" (WAYLAND_DISPLAY)";
}

// Every display that Qt tried, in its order: Wayland first where
// WAYLAND_DISPLAY is set, then X.
std::string noDisplayLine(const char* program, bool wayland, bool x, const char* xDisplay) {
    std::string what;
    if (wayland)
        what = waylandDisplayTried();
    if (x || !wayland)
        what += (what.empty() ? "" : ", and ") + xDisplayTried(xDisplay);
    return "kobusato: " + what + "; without a desktop, run the game under a virtual display: " +
           virtualDisplayCommand(program);
}

void whileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    Opening& o = opening();
    const std::lock_guard lock(o.mutex);
    HeldMessage m{type, context.category, context.file, context.function, context.line, text};
    if (type != QtFatalMsg) {
        o.held.push_back(std::move(m));
        return;
    }
    // The platform plugins report under qt.qpa.<name> that they could not
    // reach their display; qt.qpa.plugin is the loader, which also speaks
    // when a plugin is missing: then Qt's own words are the right ones.
    // Qt 6.4's Wayland plugin speaks without a category; the loader then
    // says that the plugin it found could not start.
    const auto tried = [&o](const char* plugin) {
        const QString found = QStringLiteral("\"%1\" in").arg(QLatin1String(plugin));
        return std::any_of(o.held.begin(), o.held.end(), [&](const HeldMessage& h) {
            return h.category.startsWith(QByteArray("qt.qpa.") + plugin) ||
                   (h.category == "qt.qpa.plugin" && h.text.contains(found) &&
                    h.text.contains(QLatin1String("even though it was found")));
        });
    };
    const bool wayland = tried("wayland");
    const bool x = tried("xcb");
    if (wayland || x) {
        const std::string line = noDisplayLine(o.program, wayland, x, o.xDisplay);
        std::fprintf(stderr, "%s\n", line.c_str());
    } else {
        for (const HeldMessage& h : o.held)
            passOn(o.previous, h);
        passOn(o.previous, m);
    }
    std::fflush(stderr);
    ::_exit(1);
}

// Called for QApplication's first argument, so that the messages are held
// from before Qt opens the display.
int& openingDisplay(int& argc, char** argv) {
    Opening& o = opening();
    if (argc > 0)
        o.program = argv[0];
    // Qt takes its options with one dash or two.
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "-display") == 0 || std::strcmp(argv[i], "--display") == 0)
            o.xDisplay = argv[i + 1];
    o.previous = qInstallMessageHandler(whileOpening);
    return argc;
}

// The display is open: Qt's messages go where they went before, the held
// ones first.
void displayOpened() {
    Opening& o = opening();
    qInstallMessageHandler(o.previous);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(o.mutex);
        held.swap(o.held);
    }
    for (const HeldMessage& h : held)
        passOn(o.previous, h);
}

} // namespace

std::string virtualDisplayCommand(const char* program) {
    // Quoted for the shell when the path needs it.
    std::string p = program;
    if (p.find_first_not_of(
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_./-+") !=
        std::string::npos) {
        std::string q = "'";
        for (const char c : p)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        p = q + "'";
    }
    return "xvfb-run -s '-screen 0 1280x800x24' " + p;
}

Application::Application(int& argc, char** argv) : QApplication(openingDisplay(argc, argv), argv) {
    displayOpened();
    // The windows' pictures and the guide live in the static game library.
    initResources();
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
