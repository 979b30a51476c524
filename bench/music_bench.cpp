// Figures for the music in the game as a player meets it, on a real display
// (run under Xvfb) and a sound server (a PulseAudio null sink plays in real
// time without a sound card):
//   build/bench/music_bench [seconds a scene, 5 by default]
// For each installed General MIDI SoundFont, in a process of its own, the
// game is started and played with its real windows and music device:
//   1. Resident memory at the title, in the town after name entry, in a match,
//      at the ending's last question and in the town of the next game, and
//      the peak over all of it (goal: at most 80 MiB with FluidR3_GM),
//      against a bare Qt window measured in the same run.
//   2. Time from name entry's OK to the town track's first sound at the sound
//      server, as its monitor hears it (goal: at most 100 ms), once with the
//      SoundFont and the music files dropped from the file cache (cold) and
//      once with them in it (warm).
//   3. CPU while a match runs, with its music and with the music stopped: the
//      whole process's, and that of the threads other than the user
//      interface's, where the music is rendered and sent to the server.

#include "app/MainWindow.h"
#include "app/NewGame.h"
#include "app/TownMenu.h"
#include "character/NameEntryWindow.h"
#include "media/EndingWindow.h"
#include "platform/Application.h"
#include "platform/FluidMidi.h"
#include "platform/GameWindow.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace platform;
using Steady = std::chrono::steady_clock;

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// CPU seconds of the process's threads other than the user interface's: the
// audio output's, the sound server client's, the music's own and Qt's few.
double otherThreadsCpu() {
    double total = 0;
    const QString self = QString::number(getpid());
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& tid : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (tid == self)
            continue;
        QFile f(tasks.filePath(tid + QStringLiteral("/stat")));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QByteArray stat = f.readAll();
        // utime and stime, the 14th and 15th fields, after the thread's name.
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        total += (fields.value(11).toDouble() + fields.value(12).toDouble()) /
                 double(sysconf(_SC_CLK_TCK));
    }
    return total;
}

long statusKb(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(std::strlen(field))).trimmed().split(' ').value(0).toLong();
    return -1;
}

double mib(long kb) {
    return double(kb) / 1024.0;
}

void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Drops a file's pages from the file cache.
void evict(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    if (fd < 0)
        return;
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

// What the sound server plays, as its default sink's monitor gives it.
class Listener {
  public:
    Listener() {
        pipe_ = popen("parec --raw --format=float32le --rate=44100 --channels=2 "
                      "--latency-msec=2 -d @DEFAULT_MONITOR@ 2>/dev/null",
                      "r");
        if (pipe_)
            thread_ = std::thread([this] { listen(); });
    }
    ~Listener() {
        stop_ = true;
        if (pipe_)
            pclose(pipe_); // ends the reader's fread
        if (thread_.joinable())
            thread_.join();
    }
    bool hearing() const { return chunks_.load() > 0; }
    // The next sound after now.
    void arm() {
        heard_ = false;
        armed_ = true;
    }
    bool heard() const { return heard_.load(); }
    Steady::time_point when() const { return when_; }

  private:
    void listen() {
        float buf[2 * 64];
        while (!stop_) {
            const std::size_t n = std::fread(buf, sizeof(float), 2 * 64, pipe_);
            if (n == 0)
                break;
            const auto now = Steady::now();
            ++chunks_;
            if (!armed_ || heard_)
                continue;
            for (std::size_t i = 0; i < n; ++i)
                if (std::abs(buf[i]) > 1e-4f) {
                    when_ = now;
                    heard_ = true;
                    break;
                }
        }
    }
    FILE* pipe_ = nullptr;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> armed_{false};
    std::atomic<bool> heard_{false};
    std::atomic<long> chunks_{0};
    Steady::time_point when_;
};

// The ending's last question, answered Yes (a new game), noting the memory
// while the ending's pictures and music are still there.
class EndingBoxes : public MessageBoxes {
  public:
    Answer show(const BoxRequest&) override {
        if (rssAtQuestion < 0)
            rssAtQuestion = statusKb("VmRSS:");
        return Answer::Yes;
    }
    long rssAtQuestion = -1;
};

int scene(const QString& font, bool cold, int seconds) {
    std::printf("SoundFont %s, file cache %s\n", qPrintable(QFileInfo(font).fileName()),
                cold ? "cold" : "warm");
    FluidMidi::Options options;
    options.soundFont = font;
    auto device = std::make_unique<FluidMidi>(options);
    FluidMidi* music = device.get();
    setMidiDevice(std::move(device));
    auto boxes = std::make_unique<EndingBoxes>();
    EndingBoxes* ending = boxes.get();
    setMessageBoxes(std::move(boxes));

    kobu::startUp();
    music->waitUntilReady(std::chrono::seconds(120));
    // A sound server that was idle took what it was given seconds ahead and
    // plays the game's stream that late until it has caught up; the title
    // lasts that long, as a player's stay there would.
    Listener listener;
    runFor(3000);
    const long title = statusKb("VmRSS:");
    const bool sounding = music->state() == FluidMidi::State::Sounding;
    std::printf("  title: %.1f MiB resident; music %s\n", mib(title),
                sounding ? "playing on the sound server" : "silent (no audio output)");

    if (cold) {
        evict(font);
        for (const QString& m : kobu::game().musicPaths)
            if (!m.isEmpty())
                evict(m);
    }
    kobu::MainWindow::instance()->newAction()->trigger();
    auto* name = Windows::instance().find<kobu::NameEntryWindow>();
    name->nameBox->setText(QStringLiteral("ベンチ"));
    runFor(300);
    listener.arm();
    const auto ok = Steady::now();
    QTest::mouseClick(name->okButton, Qt::LeftButton);
    for (int i = 0; i < 200 && !listener.heard(); ++i)
        runFor(10);
    if (!listener.hearing())
        std::printf("  name entry's OK to the town track's first sound: not measured (no "
                    "sound server to listen to: pulseaudio --start; pactl load-module "
                    "module-null-sink)\n");
    else if (listener.heard())
        std::printf("  name entry's OK to the town track's first sound: %.1f ms (goal <= 100 ms)\n",
                    std::chrono::duration<double, std::milli>(listener.when() - ok).count());
    else
        std::printf("  name entry's OK to the town track's first sound: nothing heard in 2 s\n");
    runFor(seconds * 1000);
    const long town = statusKb("VmRSS:");
    std::printf("  town: %.1f MiB resident\n", mib(town));

    Windows::instance().get<kobu::TownMenu>().battleButton->click();
    runFor(500);
    const auto cpuShares = [&] {
        const double all0 = cpuSeconds(), others0 = otherThreadsCpu();
        const auto wall0 = Steady::now();
        runFor(seconds * 1000);
        const double wall = std::chrono::duration<double>(Steady::now() - wall0).count();
        return std::pair{100 * (cpuSeconds() - all0) / wall,
                         100 * (otherThreadsCpu() - others0) / wall};
    };
    const auto [withMusic, musicThreads] = cpuShares();
    const long match = statusKb("VmRSS:");
    midi().stop();
    runFor(500);
    const auto [without, idleThreads] = cpuShares();
    std::printf("  match: %.1f MiB resident; CPU (%% of one core) of the process %.1f with its "
                "music, %.1f with the music stopped; of the threads other than the user "
                "interface's %.1f and %.1f\n",
                mib(match), withMusic, without, musicThreads, idleThreads);

    Windows::instance().show<kobu::EndingWindow>();
    std::printf("  ending, at its last question: %.1f MiB resident\n", mib(ending->rssAtQuestion));
    // Its Yes begins a new game: name entry, and the town again.
    name = Windows::instance().find<kobu::NameEntryWindow>();
    name->nameBox->setText(QStringLiteral("ベンチ"));
    QTest::mouseClick(name->okButton, Qt::LeftButton);
    runFor(seconds * 1000);
    std::printf("  the town again after the ending: %.1f MiB resident\n", mib(statusKb("VmRSS:")));
    std::printf("  peak %.1f MiB resident (goal <= 80 MiB)\n", mib(statusKb("VmHWM:")));
    std::fflush(stdout);
    EndProcess();
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    // The audio libraries' own messages, for when there is no sound and the
    // reason is wanted.
    const bool audioLog = argc > 1 && std::strcmp(argv[argc - 1], "--audio-log") == 0;
    if (audioLog) {
        FluidMidi::letLibrariesSpeak();
        --argc;
    }
    if (argc >= 5 && std::strcmp(argv[1], "--scene") == 0) {
        Application app(argc, argv);
        setProgramFolderForTests(QStringLiteral(KOBUSATO_GAME_DIR));
        kobu::installStateSnapshots();
        return scene(QString::fromLocal8Bit(argv[2]), std::strcmp(argv[3], "cold") == 0,
                     std::atoi(argv[4]));
    }
    QCoreApplication app(argc, argv);
    const QString seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("5");
    {
        QProcess bare;
        bare.start(QStringLiteral(BARE_FRAME), {});
        bare.waitForFinished(60000);
        const QByteArray out = bare.readAllStandardOutput().trimmed();
        std::printf("a bare Qt window: %.1f MiB resident\n",
                    mib(out.startsWith("shown ") ? out.mid(6).toLong() : -1));
    }
    for (const char* font :
         {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"}) {
        if (!QFileInfo::exists(QString::fromLatin1(font)))
            continue;
        for (const char* cache : {"cold", "warm"}) {
            QStringList args = {QStringLiteral("--scene"), QString::fromLatin1(font),
                                QString::fromLatin1(cache), seconds};
            if (audioLog)
                args << QStringLiteral("--audio-log");
            QProcess run;
            run.setProcessChannelMode(QProcess::ForwardedChannels);
            run.start(QCoreApplication::applicationFilePath(), args);
            run.waitForFinished(-1);
        }
    }
    return 0;
}
