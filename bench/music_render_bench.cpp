// Figures for the game's music, rendered offline on the game's own device.
//   levels: every track to its end on each installed General MIDI SoundFont:
//           peak and RMS in dBFS (goal: peaks between -6 and -3 dBFS, nothing
//           clipped), and the most voices the synthesizer plays at once.
//   loop:   each track through its loop point: how far the next round's
//           start lies from where the file ends (goal: no silence beyond
//           what the file holds, i.e. within a block of FluidSynth's, 1.5 ms),
//           and the level just after the loop point against just before it
//           (the last notes ring on into the next round).
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
#include <fluidsynth.h>
#include <vector>

using platform::FluidMidi;
using namespace std::chrono_literals;

namespace {

constexpr int kRate = FluidMidi::kSampleRate;
constexpr int kBlock = 256;

double dB(double v) {
    return v > 0 ? 20.0 * std::log10(v) : -999.0;
}

QStringList soundFonts() {
    QStringList found;
    for (const char* name :
         {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"})
        if (QFileInfo::exists(QString::fromLatin1(name)))
            found << QString::fromLatin1(name);
    return found;
}

// Where a track ends, in frames: its length in ticks at its one tempo (the
// game's tracks keep theirs), the ticks a beat from the file's header.
double trackFrames(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = f.readAll();
    if (bytes.size() < 14)
        return 0;
    const int division = (std::uint8_t(bytes[12]) << 8) | std::uint8_t(bytes[13]);
    fluid_settings_t* settings = new_fluid_settings();
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add_mem(player, bytes.constData(), std::size_t(bytes.size()));
    fluid_player_play(player);
    float buf[64];
    fluid_synth_write_float(synth, 64, buf, 0, 1, buf, 0, 1);
    const double ticks = fluid_player_get_total_ticks(player);
    const double tempo = fluid_player_get_midi_tempo(player);
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return division > 0 ? ticks * tempo / division * kRate / 1e6 : 0;
}

// The most voices at once when the track plays, on a synthesizer of its own.
int mostVoices(const QString& font, const QString& track, double frames) {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_synth_sfload(synth, QFile::encodeName(font).constData(), 1);
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add(player, QFile::encodeName(track).constData());
    fluid_player_play(player);
    float buf[2 * kBlock];
    int most = 0;
    for (double done = 0; done < frames; done += kBlock) {
        fluid_synth_write_float(synth, kBlock, buf, 0, 2, buf, 1, 2);
        most = std::max(most, fluid_synth_get_active_voice_count(synth));
    }
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return most;
}

// `frames` of the device's output, both channels interleaved.
std::vector<float> render(FluidMidi& m, double frames) {
    std::vector<float> out;
    float l[kBlock];
    float r[kBlock];
    for (double done = 0; done < frames; done += kBlock) {
        m.render(l, r, kBlock);
        for (int i = 0; i < kBlock; ++i) {
            out.push_back(l[i]);
            out.push_back(r[i]);
        }
    }
    return out;
}

void levels(const QStringList& tracks) {
    for (const QString& font : soundFonts()) {
        for (const QString& track : tracks) {
            const double length = trackFrames(track);
            auto m = FluidMidi::offline(font);
            m->play(track);
            const std::vector<float> audio = render(*m, length + kRate);
            double peak = 0, sum = 0;
            std::size_t clipped = 0;
            for (float v : audio) {
                peak = std::max(peak, double(std::abs(v)));
                sum += double(v) * v;
                clipped += std::abs(v) >= 1.0f;
            }
            std::printf("%-16s %-11s peak %6.2f dBFS  RMS %6.2f dBFS  clipped samples %zu  "
                        "voices at most %d\n",
                        qPrintable(QFileInfo(font).fileName()),
                        qPrintable(QFileInfo(track).fileName()), dB(peak),
                        dB(std::sqrt(sum / double(audio.size()))), clipped,
                        mostVoices(font, track, length));
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
    std::printf("SoundFont %s\n", qPrintable(QFileInfo(font).fileName()));
    for (const QString& track : tracks) {
        const double length = trackFrames(track);
        auto m = FluidMidi::offline(font);
        m->play(track);
        const std::vector<float> audio = render(*m, 2 * length + kRate);
        // The next round starts where its first 200 ms match the first
        // round's best: the tail of the round before adds the same at every
        // lag tried, so the least difference still falls on the true start.
        const auto end = std::int64_t(std::llround(length));
        const std::int64_t window = kRate / 5;
        std::int64_t best = 0;
        double least = -1;
        for (std::int64_t lag = -kRate / 100; lag <= kRate / 20; ++lag) {
            double d = 0;
            for (std::int64_t i = 0; i < window; ++i) {
                const std::size_t a = std::size_t(2 * (end + lag + i));
                const float x = audio[a] + audio[a + 1];
                const float y = audio[std::size_t(2 * i)] + audio[std::size_t(2 * i + 1)];
                d += double(x - y) * (x - y);
            }
            if (least < 0 || d < least) {
                least = d;
                best = lag;
            }
        }
        std::printf("%-11s loop at %.3f s: the next round starts %+.2f ms from the file's end "
                    "(goal within 1.5 ms); level 50 ms before %.1f dBFS, 50 ms after %.1f dBFS\n",
                    qPrintable(QFileInfo(track).fileName()), length / kRate,
                    1000.0 * double(best) / kRate, dB(rms(audio, end - kRate / 20, kRate / 20)),
                    dB(rms(audio, end, kRate / 20)));
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
