// Figures for the music device.
//   1. How long the first open and play take on the user-interface thread right
//      after the game's device is made, while the SoundFont loads (goal: < 5 ms).
//   2. The CPU time of the process over a stretch of playback with the
//      synthesizer rendering, looped as the game's music player loops it
//      (goal: at most 5 % of one core). With an audio device the real output
//      plays; without one the audio is rendered by hand, paced to real time.
// Usage: music_bench [--audio-log] [seconds of playback, 30 by default]

#include "platform/FluidMidi.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <thread>

using platform::FluidMidi;
using namespace std::chrono_literals;

namespace {

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    const auto s = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return s(u.ru_utime) + s(u.ru_stime);
}

double ms(qint64 ns) {
    return double(ns) / 1e6;
}

void varLen(QByteArray& b, unsigned v) {
    QByteArray q(1, char(v & 0x7F));
    while (v >>= 7)
        q.prepend(char(0x80 | (v & 0x7F)));
    b += q;
}

// Sixteen seconds at 120 beats a minute, for when the game's music is not
// built: four-note piano chords on every beat over a bass, and a drum pattern.
QByteArray standInTune() {
    QByteArray t;
    const auto ev = [&](unsigned delta, std::initializer_list<int> bytes) {
        varLen(t, delta);
        for (int b : bytes)
            t.append(char(b));
    };
    ev(0, {0xFF, 0x51, 3, 0x07, 0xA1, 0x20});
    ev(0, {0xC0, 0});
    ev(0, {0xC1, 32});
    const int roots[4] = {48, 45, 41, 43};
    for (int bar = 0; bar < 8; ++bar) {
        const int root = roots[bar % 4];
        for (int beat = 0; beat < 4; ++beat) {
            ev(0, {0x91, root - 12, 90});
            for (int n : {0, 4, 7, 12})
                ev(0, {0x90, root + 12 + n, 70});
            ev(0, {0x99, beat % 2 ? 38 : 36, 100});
            ev(0, {0x99, 42, 70});
            ev(440, {0x81, root - 12, 0});
            for (int n : {0, 4, 7, 12})
                ev(0, {0x80, root + 12 + n, 0});
            ev(0, {0x89, beat % 2 ? 38 : 36, 0});
            ev(0, {0x89, 42, 0});
            ev(40, {0x99, 42, 50});
            ev(0, {0x89, 42, 0});
        }
    }
    ev(0, {0xFF, 0x2F, 0});
    QByteArray f("MThd\0\0\0\6\0\0\0\1\1\xE0", 14);
    f += "MTrk";
    for (int shift = 24; shift >= 0; shift -= 8)
        f.append(char((t.size() >> shift) & 0xFF));
    return f + t;
}

// What the game's music player does with the report of a track's end: start
// it again. (Its close reports nothing, the playback being over already.)
void loopOnDone(FluidMidi& device, int& rounds) {
    device.setDoneHandler([&device, &rounds] {
        ++rounds;
        device.close();
        device.open();
        device.play();
    });
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    // The audio libraries' own messages, for when there is no sound and the
    // reason is wanted.
    if (args.removeAll(QStringLiteral("--audio-log")) > 0)
        FluidMidi::letLibrariesSpeak();
    const double seconds = !args.isEmpty() ? args.first().toDouble() : 30.0;

    QTemporaryDir dir;
    QString track = QStringLiteral(KOBUSATO_GAME_DIR "/Midis/Normal.mid");
    if (!QFileInfo::exists(track)) {
        track = dir.filePath(QStringLiteral("standin.mid"));
        QFile f(track);
        if (!f.open(QIODevice::WriteOnly) || f.write(standInTune()) < 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(track));
            return 1;
        }
    }
    const auto song = [&] {
        QFile f(track);
        return f.open(QIODevice::ReadOnly) ? platform::readMidiFile(f.readAll()) : std::nullopt;
    }();
    if (!song) {
        std::fprintf(stderr, "%s is not a playable MIDI file\n", qPrintable(track));
        return 1;
    }
    std::printf("track: %s (%.1f s)\n", qPrintable(QFileInfo(track).fileName()),
                double(song->lengthUs) / 1e6);

    // 1. The first commands, the SoundFont not loaded yet.
    QElapsedTimer clock;
    clock.start();
    FluidMidi device;
    const qint64 made = clock.nsecsElapsed();
    device.setFileName(track);
    device.open();
    const qint64 opened = clock.nsecsElapsed();
    device.play();
    const qint64 played = clock.nsecsElapsed();
    const bool loadingWhenPlayed = device.state() == FluidMidi::State::Loading;
    device.waitUntilReady(120s);
    const qint64 ready = clock.nsecsElapsed();
    const bool heard = device.state() == FluidMidi::State::Sounding;
    std::printf("first commands: device made %.3f ms, open %.3f ms, play %.3f ms; "
                "open+play %.3f ms (goal < 5 ms)%s\n",
                ms(made), ms(opened - made), ms(played - opened), ms(played - made),
                loadingWhenPlayed ? ", given while the SoundFont was loading" : "");
    std::printf("SoundFont ready %.0f ms after the device was made; output: %s\n", ms(ready),
                heard ? "audio device" : "none (silent)");

    // 2. Playback.
    int rounds = 0;
    double cpu = 0;
    const char* how = nullptr;
    if (heard) {
        // The track asked for above is playing; its end starts it again.
        loopOnDone(device, rounds);
        const double cpu0 = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        while (wall.elapsed() < qint64(seconds * 1000)) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        cpu = cpuSeconds() - cpu0;
        how = "through the audio device";
    } else {
        device.close();
        auto offline = FluidMidi::offline();
        offline->waitUntilReady(120s);
        loopOnDone(*offline, rounds);
        offline->setFileName(track);
        offline->open();
        offline->play();
        // Blocks of the size an audio driver asks for, each at its time.
        constexpr int kBlock = 256;
        float left[kBlock];
        float right[kBlock];
        const auto total = std::int64_t(seconds * FluidMidi::kSampleRate);
        const double cpu0 = cpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        for (std::int64_t frames = 0; frames < total; frames += kBlock) {
            std::this_thread::sleep_until(
                start + std::chrono::microseconds(frames * 1'000'000 / FluidMidi::kSampleRate));
            offline->render(left, right, kBlock);
            QCoreApplication::processEvents();
        }
        cpu = cpuSeconds() - cpu0;
        how = "rendered by hand in real time (no audio device)";
    }
    std::printf("playback: %.0f s %s, %d restart(s): CPU %.3f s = %.2f %% of one core "
                "(goal <= 5 %%)\n",
                seconds, how, rounds, cpu, 100.0 * cpu / seconds);
    return 0;
}
