// window_gallery [--lang=ja|--lang=en] <outdir>
//
// Opens every window of the game with a fixed game in progress and writes a
// picture of each, and of the whole frame at a few moments, to <outdir>. The
// services are the tests' fakes, so two runs of the same build write the same
// pictures: a change that should leave the screens alone can be checked by
// comparing the folders pixel by pixel.
#include "app/MainWindow.h"
#include "app/SecretCodeWindow.h"
#include "app/TownMenu.h"
#include "battle/BattleWindow.h"
#include "character/AllocationWindow.h"
#include "character/NameEntryWindow.h"
#include "character/SkillsWindow.h"
#include "character/StatusWindow.h"
#include "media/EndingWindow.h"
#include "platform/Application.h"
#include "platform/GameWindow.h"
#include "platform/Language.h"
#include "platform/Process.h"
#include "shop/ItemsWindow.h"
#include "shop/PowerUpWindow.h"
#include "shop/RecoveryItemsWindow.h"
#include "shop/ShopWindow.h"
#include "state/GameState.h"
#include "support/Fakes.h"
#include "support/GameTest.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPixmap>
#include <QSet>
#include <QTemporaryDir>
#include <cstdio>

using namespace kobu;
using namespace platform;
using namespace testing_support;

namespace {

QString outDir;
int failures = 0;

void save(QWidget* w, const QString& name) {
    const QString path = outDir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!w || !w->grab().save(path)) {
        std::fprintf(stderr, "window_gallery: cannot write %s\n", qPrintable(path));
        ++failures;
    }
}

template <class T> T& shot(const QString& name) {
    T& w = Windows::instance().show<T>();
    settle();
    save(w.frame(), name);
    return w;
}

void copyGameFiles(const QString& to) {
    const QDir from(QStringLiteral(KOBUSATO_GAME_DIR));
    for (const QString& sub : {QStringLiteral("."), QStringLiteral("Bmps"), QStringLiteral("Jpegs"),
                               QStringLiteral("Midis"), QStringLiteral("Bmps/en"),
                               QStringLiteral("Jpegs/en"), QStringLiteral("translations")}) {
        QDir().mkpath(to + QLatin1Char('/') + sub);
        for (const QString& f : QDir(from.filePath(sub)).entryList(QDir::Files))
            QFile::copy(from.filePath(sub + QLatin1Char('/') + f),
                        to + QLatin1Char('/') + sub + QLatin1Char('/') + f);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    const LanguageOption lang = languageOption(argc, argv);
    const char* out = argc > 1 ? argv[argc - 1] : nullptr;
    if (!lang.error.empty() || !out || QByteArray(out).startsWith("--") ||
        argc != (lang.language ? 3 : 2)) {
        std::fprintf(stderr, "usage: window_gallery [--lang=ja|--lang=en] <outdir>\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(out);
    QDir().mkpath(outDir);
    installStateSnapshots();
    installFakes();
    fakeBoxes().autoOk = true;

    QTemporaryDir dir;
    copyGameFiles(dir.path());
    setProgramFolderForTests(dir.path());
    if (lang.language && !applyLanguage(*lang.language))
        return 1;
    GameState& g = game();
    assignStartValues(g);
    const ProgramPaths p = pathsFromFolder(dir.path());
    g.appPath = p.appPath;
    g.musicPaths = p.musicPaths;

    auto* frame = new MainWindow();
    frame->resize(1280, 800);
    frame->show();
    settle();
    save(frame, QStringLiteral("00-title"));

    shot<NameEntryWindow>(QStringLiteral("01-name-entry"));
    Windows::instance().find<NameEntryWindow>()->nameBox->setText(QStringLiteral("コブ"));
    Windows::instance().find<NameEntryWindow>()->onOkClicked();
    settle();
    save(frame, QStringLiteral("02-town"));
    shot<TownMenu>(QStringLiteral("03-town-menu"));
    shot<StatusWindow>(QStringLiteral("04-status"));

    g.money = 1234;
    g.tapWaterCount = 2;
    g.naturalWaterCount = 1;
    refreshStatus();
    shot<ShopWindow>(QStringLiteral("05-shop"));
    shot<RecoveryItemsWindow>(QStringLiteral("06-recovery-items"));
    Windows::instance().close<RecoveryItemsWindow>();
    shot<PowerUpWindow>(QStringLiteral("07-power-ups"));
    Windows::instance().close<PowerUpWindow>();
    Windows::instance().close<ShopWindow>();
    shot<ItemsWindow>(QStringLiteral("08-items"));
    Windows::instance().close<ItemsWindow>();
    shot<SecretCodeWindow>(QStringLiteral("09-secret-code"));
    Windows::instance().close<SecretCodeWindow>();

    // The rolls show one tick each and stand still for the picture.
    BattleWindow& battle = Windows::instance().show<BattleWindow>();
    for (Timer* t : {battle.playerRollTimer, battle.opponentRollTimer, battle.waitTimer})
        t->setInterval(3600 * 1000);
    battle.playerRollTimer->fire();
    battle.opponentRollTimer->fire();
    settle();
    save(battle.frame(), QStringLiteral("10-battle"));
    save(frame, QStringLiteral("11-battle-frame"));
    shot<SkillsWindow>(QStringLiteral("12-skills"));
    Windows::instance().close<SkillsWindow>();
    Windows::instance().close(&battle);

    g.abilityPoints = 7;
    shot<AllocationWindow>(QStringLiteral("13-allocation"));
    Windows::instance().close<AllocationWindow>();

    // The ending: the frame at the first sight of each picture.
    QSet<QString> seen;
    EndingWindow::sweepSeconds = 0;
    EndingWindow::observer = [&](const QString& step) {
        if (!step.startsWith(QStringLiteral("picture:")) &&
            !step.startsWith(QStringLiteral("background:")))
            return;
        if (seen.contains(step))
            return;
        seen.insert(step);
        settle();
        save(frame, QStringLiteral("20-ending-%1").arg(seen.size(), 2, 10, QLatin1Char('0')));
    };
    // The last question: Yes, a new game (No would end the process).
    fakeBoxes().answer(Answer::Yes);
    Windows::instance().show<EndingWindow>();
    Windows::instance().close<EndingWindow>();
    EndingWindow::observer = nullptr;
    closeAllChildWindows();
    Windows::instance().flushUnloaded();
    delete frame;
    settle();
    removeFakes();
    return failures == 0 ? 0 : 1;
}
