// window_gallery <outdir>
//
// Opens every window of the game with a fixed game in progress and writes a
// picture of each, and of the whole frame at a few moments, to <outdir>. The
// services are the tests' fakes, so two runs of the same build write the same
// pictures: a change that should leave the screens alone can be checked by
// comparing the folders pixel by pixel.
#include "app/Form3.h"
#include "app/MDIForm1.h"
#include "app/Menu.h"
#include "battle/FBattle.h"
#include "character/FGinou.h"
#include "character/FHuriwake.h"
#include "character/FName.h"
#include "character/Sutetasu.h"
#include "media/FStaff.h"
#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/Process.h"
#include "shop/FItem.h"
#include "shop/Kaifuku.h"
#include "shop/Power.h"
#include "shop/Store.h"
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
    T& w = Forms::instance().show<T>();
    settle();
    save(w.frame(), name);
    return w;
}

void copyGameFiles(const QString& to) {
    const QDir from(QStringLiteral(KOBUSATO_GAME_DIR));
    for (const QString& sub : {QStringLiteral("."), QStringLiteral("Bmps"), QStringLiteral("Jpegs"),
                               QStringLiteral("Midis")}) {
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
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_gallery <outdir>\n");
        return 2;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    installStateSnapshots();
    installFakes();
    fakeBoxes().autoOk = true;

    QTemporaryDir dir;
    copyGameFiles(dir.path());
    setProgramFolderForTests(dir.path());
    GameState& g = game();
    assignStartValues(g);
    const ProgramPaths p = pathsFromFolder(dir.path());
    g.appPath = p.appPath;
    g.musicPaths = p.musicPaths;

    auto* frame = new MDIForm1();
    frame->resize(1280, 800);
    frame->show();
    settle();
    save(frame, QStringLiteral("00-title"));

    shot<FName>(QStringLiteral("01-name-entry"));
    Forms::instance().find<FName>()->TtName->setText(QStringLiteral("コブ"));
    Forms::instance().find<FName>()->Command1_Click();
    settle();
    save(frame, QStringLiteral("02-town"));
    shot<Menu>(QStringLiteral("03-town-menu"));
    shot<Sutetasu>(QStringLiteral("04-status"));

    g.money = 1234;
    g.tapWaterCount = 2;
    g.naturalWaterCount = 1;
    RefreshStatus();
    shot<Store>(QStringLiteral("05-shop"));
    shot<Kaifuku>(QStringLiteral("06-recovery-items"));
    Forms::instance().unload<Kaifuku>();
    shot<Power>(QStringLiteral("07-power-ups"));
    Forms::instance().unload<Power>();
    Forms::instance().unload<Store>();
    shot<FItem>(QStringLiteral("08-items"));
    Forms::instance().unload<FItem>();
    shot<Form3>(QStringLiteral("09-secret-code"));
    Forms::instance().unload<Form3>();

    // The rolls show one tick each and stand still for the picture.
    FBattle& battle = Forms::instance().show<FBattle>();
    for (Timer* t : {battle.TimerBa, battle.TimerE, battle.TimerTaiki})
        t->setInterval(3600 * 1000);
    battle.TimerBa->fire();
    battle.TimerE->fire();
    settle();
    save(battle.frame(), QStringLiteral("10-battle"));
    save(frame, QStringLiteral("11-battle-frame"));
    shot<FGinou>(QStringLiteral("12-skills"));
    Forms::instance().unload<FGinou>();
    Forms::instance().unload(&battle, vbFormCode);

    g.abilityPoints = 7;
    shot<FHuriwake>(QStringLiteral("13-allocation"));
    Forms::instance().unload<FHuriwake>();

    // The ending: the frame at the first sight of each picture.
    QSet<QString> seen;
    FStaff::sweepSeconds = 0;
    FStaff::observer = [&](const QString& step) {
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
    fakeBoxes().answer(vbYes);
    Forms::instance().show<FStaff>();
    Forms::instance().unload<FStaff>();
    FStaff::observer = nullptr;
    closeAllChildWindows();
    Forms::instance().flushUnloaded();
    delete frame;
    settle();
    removeFakes();
    return failures == 0 ? 0 : 1;
}
