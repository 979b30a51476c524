// Figures for the game's music, rendered offline on the game's own device.
//   levels: every track to its end on each installed General MIDI SoundFont:
//           peak and RMS in dBFS (goal: peaks between -6 and -3 dBFS, nothing
//           clipped).
//   loop:   each track looped by the game's own answer to its end while the
//           user-interface thread is blocked for a second across the loop
//           point: the silence at the loop beyond what the file holds (goal
//           <= 10 ms), and the level of the first 50 ms after the loop point
//           against the same stretch of a second playback that starts at the
//           end of a first one with nothing cut (goal: equal, the tail kept).
// Usage: music_render_bench [levels|loop]

#include "platform/FluidMidi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

using platform::FluidMidi;
using namespace std::chrono_literals;

namespace {

constexpr int kRate = FluidMidi::kSampleRate;
constexpr int kBlock = 256;

double dB(double v) {
    return v > 0 ? 20.0 * std::log10(v) : -999.0;
}

std::int64_t trackFrames(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const auto song = platform::readMidiFile(f.readAll());
    return song ? song->lengthUs * kRate / 1'000'000 : 0;
}

QStringList soundFonts() {
    QStringList found;
    for (const char* name :
         {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"})
        if (QFileInfo::exists(QString::fromLatin1(name)))
            found << QString::fromLatin1(name);
    return found;
}

// Renders `frames` (both channels interleaved into `out`), letting reports
// through between blocks unless `blocked` says the game's thread is busy.
template <class Blocked>
void render(FluidMidi& m, std::int64_t frames, std::vector<float>& out, Blocked blocked) {
    float l[kBlock];
    float r[kBlock];
    for (std::int64_t done = 0; done < frames; done += kBlock) {
        m.render(l, r, kBlock);
        for (int i = 0; i < kBlock; ++i) {
            out.push_back(l[i]);
            out.push_back(r[i]);
        }
        if (!blocked(std::int64_t(out.size() / 2)))
            QCoreApplication::processEvents();
    }
}

void levels(const QStringList& tracks) {
    for (const QString& font : soundFonts()) {
        for (const QString& track : tracks) {
            auto m = FluidMidi::offline(font);
            m->waitUntilReady(120s);
            m->setFileName(track);
            m->open();
            m->play();
            std::vector<float> audio;
            render(*m, trackFrames(track) + kRate, audio, [](std::int64_t) { return false; });
            double peak = 0, sum = 0;
            std::size_t clipped = 0;
            for (float v : audio) {
                peak = std::max(peak, double(std::abs(v)));
                sum += double(v) * v;
                clipped += std::abs(v) >= 1.0f;
            }
            std::printf("%-16s %-11s peak %6.2f dBFS  RMS %6.2f dBFS  clipped samples %zu\n",
                        qPrintable(QFileInfo(font).fileName()),
                        qPrintable(QFileInfo(track).fileName()), dB(peak),
                        dB(std::sqrt(sum / double(audio.size()))), clipped);
        }
    }
}

double rms(const std::vector<float>& a, std::int64_t from, std::int64_t frames) {
    double s = 0;
    for (std::int64_t i = from * 2; i < (from + frames) * 2 && i < std::int64_t(a.size()); ++i)
        s += double(a[std::size_t(i)]) * a[std::size_t(i)];
    return std::sqrt(s / double(2 * frames));
}

void loop(const QStringList& tracks) {
    const QString font = soundFonts().value(0);
    for (const QString& track : tracks) {
        const std::int64_t length = trackFrames(track);
        // The game's music player answering the end: close, open, play.
        auto m = FluidMidi::offline(font);
        m->waitUntilReady(120s);
        m->setDoneHandler([&] {
            m->close();
            m->open();
            m->play();
        });
        m->setFileName(track);
        m->open();
        m->play();
        std::vector<float> looped;
        render(*m, length + kRate, looped,
               [&](std::int64_t at) { return at > length - kRate / 2 && at < length + kRate / 2; });
        // A reference: the same file played twice with no break at all.
        auto ref = FluidMidi::offline(font);
        ref->waitUntilReady(120s);
        ref->setFileName(track);
        ref->open();
        ref->play();
        std::vector<float> straight;
        render(*ref, length, straight, [](std::int64_t) { return true; });
        // Silence at the loop point: frames from the end until the looped
        // audio first follows the reference second round within -20 dB.
        std::int64_t firstSound = -1;
        for (std::int64_t i = length; i < length + kRate / 2; ++i)
            if (std::abs(looped[std::size_t(2 * i)]) > 1e-3f) {
                firstSound = i;
                break;
            }
        std::int64_t fileSound = -1;
        for (std::int64_t i = 0; i < kRate / 2; ++i)
            if (std::abs(straight[std::size_t(2 * i)]) > 1e-3f) {
                fileSound = i;
                break;
            }
        const double tailLooped = rms(looped, length, kRate / 20);
        const double before = rms(looped, length - kRate / 20, kRate / 20);
        std::printf("%-11s loop at %.3f s: first sound %.1f ms after it (the file's own start: "
                    "%.1f ms) -> gap %.1f ms (goal <= 10 ms); level 50 ms before %.1f dBFS, 50 "
                    "ms after %.1f dBFS\n",
                    qPrintable(QFileInfo(track).fileName()), double(length) / kRate,
                    firstSound < 0 ? -1.0 : 1000.0 * double(firstSound - length) / kRate,
                    1000.0 * double(fileSound) / kRate,
                    firstSound < 0 ? 500.0
                                   : 1000.0 * double(firstSound - length - fileSound) / kRate,
                    dB(before), dB(tailLooped));
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QDir midis(QStringLiteral(KOBUSATO_GAME_DIR "/Midis"));
    QStringList tracks;
    for (const char* name : {"Normal.mid", "Battle.mid", "staff.mid"})
        tracks << midis.filePath(QString::fromLatin1(name));
    const char* what = argc > 1 ? argv[1] : "levels";
    if (std::strcmp(what, "loop") == 0)
        loop(tracks);
    else
        levels(tracks);
    return 0;
}
