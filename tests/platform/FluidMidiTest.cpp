#include "platform/FluidMidi.h"
#include "platform/music/FluidParts.h"
#include "support/MidiFiles.h"
#include "support/SoundFonts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <initializer_list>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using namespace testing_support;
using namespace std::chrono_literals;

namespace {

constexpr int kRate = FluidMidi::kSampleRate;

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

// The small General MIDI font when it is there: it loads in a moment.
QString lightFont() {
    const QString small = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
    return QFileInfo::exists(small) ? small : QString::fromLatin1(kDefaultSoundFont);
}

float peak(const std::vector<float>& s, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    float p = 0;
    for (std::size_t i = from; i < std::min(to, s.size()); ++i)
        p = std::max(p, std::abs(s[i]));
    return p;
}

double rms(const std::vector<float>& s, std::size_t from, std::size_t to) {
    double sum = 0;
    to = std::min(to, s.size());
    for (std::size_t i = from; i < to; ++i)
        sum += double(s[i]) * s[i];
    return to > from ? std::sqrt(sum / double(to - from)) : 0.0;
}

std::size_t at(double seconds) {
    return std::size_t(std::llround(seconds * kRate));
}

// An offline device and the audio it rendered, both channels mixed.
class Rig {
  public:
    explicit Rig(const QString& soundFont = lightFont()) : midi(FluidMidi::offline(soundFont)) {}
    // Renders in blocks the size an audio driver asks for.
    void run(double seconds) {
        constexpr int kBlock = 256;
        float left[kBlock];
        float right[kBlock];
        const std::size_t until = audio.size() + at(seconds);
        while (audio.size() < until) {
            ASSERT_TRUE(midi->render(left, right, kBlock));
            for (int i = 0; i < kBlock; ++i) {
                audio.push_back(0.5f * (left[i] + right[i]));
                channelPeak = std::max({channelPeak, std::abs(left[i]), std::abs(right[i])});
            }
        }
    }
    // First frame at or after `from` whose level reaches `level`, or -1.
    std::int64_t onset(std::size_t from, float level) const {
        for (std::size_t i = from; i < audio.size(); ++i)
            if (std::abs(audio[i]) >= level)
                return std::int64_t(i);
        return -1;
    }

    std::unique_ptr<FluidMidi> midi;
    std::vector<float> audio;
    float channelPeak = 0; // of either channel, as a player's ears get it
};

// The first 0.6 s of `file`, written into `dir` as `name` and played on the light font.
std::vector<float> renderFile(const QTemporaryDir& dir, const QString& name,
                              const QByteArray& file) {
    Rig rig;
    rig.midi->play(writeFile(dir, name, file));
    rig.run(0.6);
    return rig.audio;
}

// Where FluidSynth's player says the file ends, in frames.
std::int64_t fluidPlayerLength(const QString& path) {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_synth_t* synth = new_fluid_synth(settings);
    fluid_player_t* player = new_fluid_player(synth);
    fluid_player_add(player, QFile::encodeName(path).constData());
    fluid_player_play(player);
    float buf[64];
    std::int64_t frames = 0;
    std::int64_t end = -1;
    while (end < 0 && frames < 600LL * kRate) {
        fluid_synth_write_float(synth, 64, buf, 0, 1, buf, 0, 1);
        const int total = fluid_player_get_total_ticks(player);
        if (total > 0 && fluid_player_get_current_tick(player) >= total)
            end = frames;
        frames += 64;
    }
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return end;
}

// Collects what is written to standard error, file descriptor and all, so
// that the libraries' own messages are caught too.
class StderrCapture {
  public:
    StderrCapture() : file_(std::tmpfile()) {
        std::fflush(stderr);
        saved_ = dup(2);
        dup2(fileno(file_), 2);
    }
    ~StderrCapture() {
        release();
        std::fclose(file_);
    }
    std::string text() {
        release();
        std::string s;
        std::rewind(file_);
        for (int c; (c = std::fgetc(file_)) != EOF;)
            s += static_cast<char>(c);
        return s;
    }

  private:
    void release() {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, 2);
        ::close(saved_);
        saved_ = -1;
    }
    std::FILE* file_;
    int saved_ = -1;
};

int deliverTo(void* synth, fluid_midi_event_t* event) {
    return music::deliver(static_cast<fluid_synth_t*>(synth), event);
}

// The track as FluidSynth plays it with the whole SoundFont in memory, on the
// game device's settings, channels and blocks: what a cut SoundFont must
// sound like to the sample.
std::vector<float> wholeFontAudio(const QString& font, const QString& path, std::size_t frames) {
    music::Settings settings = music::musicSettings();
    fluid_settings_setnum(settings.get(), "synth.gain",
                          FluidMidi::gainFor(QFile::encodeName(font).toStdString()));
    // As the device reads samples: one block each, so that interpolation at
    // a sample's end reads the same padding.
    fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
    music::Synth synth(new_fluid_synth(settings.get()));
    const int id = fluid_synth_sfload(synth.get(), QFile::encodeName(font).constData(), 0);
    music::resetToEmptyChannels(synth.get(), id);
    std::unique_ptr<fluid_player_t, music::PlayerDeleter> player(new_fluid_player(synth.get()));
    fluid_player_set_playback_callback(player.get(), &deliverTo, synth.get());
    fluid_player_set_loop(player.get(), -1);
    fluid_player_add(player.get(), QFile::encodeName(path).constData());
    fluid_player_play(player.get());
    constexpr int kBlock = 256;
    float left[kBlock];
    float right[kBlock];
    std::vector<float> audio;
    while (audio.size() < frames) {
        fluid_synth_write_float(synth.get(), kBlock, left, 0, 1, right, 0, 1);
        for (int i = 0; i < kBlock; ++i)
            audio.push_back(0.5f * (left[i] + right[i]));
    }
    audio.resize(frames);
    return audio;
}

int liveThreads() {
    return int(QDir(QStringLiteral("/proc/self/task"))
                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                   .size());
}

// 480 ticks a beat at 120 beats a minute: a tick is 1/960 s.
constexpr std::uint32_t ticks(double seconds) {
    return std::uint32_t(seconds * 960 + 0.5);
}

} // namespace

// Files made for Japanese MIDI modules reset them to GS and turn a channel
// other than 10 into a drum part with a message addressed to device 16.
TEST(FluidMidi, AGsDrumPartOnChannel11SoundsAsADrum) {
    const auto snare = [](int status, bool gsDrumPart) {
        TrackBytes t;
        if (gsDrumPart) {
            t.at(0, {0xF0, 10, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7});
            t.at(0, {0xF0, 10, 0x41, 0x10, 0x42, 0x12, 0x40, 0x1A, 0x15, 0x02, 0x0F, 0xF7});
        }
        t.at(48, {status, 38, 110}).at(ticks(0.25), {status & 0xEF, 38, 0}).end(ticks(0.7));
        return midiFile({t});
    };
    QTemporaryDir dir;
    const auto render = [&dir](const QString& name, const QByteArray& file) {
        return renderFile(dir, name, file);
    };
    const auto onChannel11 = render(QStringLiteral("gs.mid"), snare(0x9A, true));
    const auto drum = render(QStringLiteral("drum.mid"), snare(0x99, false));
    const auto piano = render(QStringLiteral("piano.mid"), snare(0x9A, false));
    const auto difference = [](const std::vector<float>& a, const std::vector<float>& b) {
        std::vector<float> d(a.size());
        for (std::size_t i = 0; i < a.size(); ++i)
            d[i] = a[i] - b[i];
        return rms(d, 0, d.size());
    };
    const double level = rms(drum, 0, drum.size());
    ASSERT_GT(level, 0.003);
    EXPECT_LT(difference(onChannel11, drum), 0.05 * level);
    // Without the GS messages channel 11 plays a piano: the comparison tells.
    EXPECT_GT(difference(piano, drum), 0.5 * level);
}

// A file that chooses its drum set after the switch still gets a drum kit,
// and a part switched back to melodic plays its instrument again, not the
// kit it had (the switch's bank must not stay behind).
TEST(FluidMidi, AGsPartKeepsTheKindOfInstrumentItWasLastSwitchedTo) {
    const auto snare = [](std::vector<std::vector<int>> before) {
        TrackBytes t;
        for (const auto& e : before)
            t.at(0, e);
        t.at(48, {0x9A, 38, 110}).at(ticks(0.25), {0x8A, 38, 0}).end(ticks(0.7));
        return midiFile({t});
    };
    const std::vector<int> gsReset{0xF0, 10,   0x41, 0x10, 0x42, 0x12,
                                   0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};
    const std::vector<int> drumPart{0xF0, 10,   0x41, 0x10, 0x42, 0x12,
                                    0x40, 0x1A, 0x15, 0x02, 0x0F, 0xF7};
    const std::vector<int> melodicPart{0xF0, 10,   0x41, 0x10, 0x42, 0x12,
                                       0x40, 0x1A, 0x15, 0x00, 0x11, 0xF7};
    QTemporaryDir dir;
    const auto render = [&dir](const QString& name, const QByteArray& file) {
        return renderFile(dir, name, file);
    };
    const auto difference = [](const std::vector<float>& a, const std::vector<float>& b) {
        std::vector<float> d(a.size());
        for (std::size_t i = 0; i < a.size(); ++i)
            d[i] = a[i] - b[i];
        return rms(d, 0, d.size());
    };
    TrackBytes kit;
    kit.at(48, {0x99, 38, 110}).at(ticks(0.25), {0x89, 38, 0}).end(ticks(0.7));
    const auto drum = render(QStringLiteral("drum.mid"), midiFile({kit}));
    const auto piano = render(QStringLiteral("piano.mid"), snare({}));
    const double level = rms(drum, 0, drum.size());
    ASSERT_GT(level, 0.003);
    const auto chosen = render(QStringLiteral("chosen.mid"), snare({gsReset, drumPart, {0xCA, 0}}));
    EXPECT_LT(difference(chosen, drum), 0.05 * level);
    const auto back = render(QStringLiteral("back.mid"), snare({gsReset, drumPart, melodicPart}));
    EXPECT_LT(difference(back, piano), 0.05 * level);
    EXPECT_GT(difference(back, drum), 0.5 * level);
}

// The round lasts to the end of the track, rests and all, and the next one
// starts on time, round after round.
TEST(FluidMidi, AFileLoopsAtItsEndOfTrackTrailingRestsIncluded) {
    TrackBytes t;
    t.tempo(0, 500000).at(0, {0x99, 75, 120}).at(ticks(0.7), {0x89, 75, 0}).end(ticks(0.8));
    QTemporaryDir dir;
    Rig rig;
    rig.midi->play(writeFile(dir, QStringLiteral("claves.mid"), midiFile({t})));
    rig.run(6.2);
    const float level = peak(rig.audio, 0, at(0.7)) / 2;
    ASSERT_GT(level, 0.01f);
    std::int64_t round = rig.onset(0, level);
    ASSERT_GE(round, 0);
    for (int n = 1; n <= 4; ++n) {
        // Quiet from the last note's end until the file's.
        EXPECT_LT(peak(rig.audio, std::size_t(round) + at(0.8), std::size_t(round) + at(1.49)),
                  level)
            << "round " << n;
        const std::int64_t next = rig.onset(std::size_t(round) + at(0.8), level);
        ASSERT_GE(next, 0) << "round " << n << " never came";
        EXPECT_NEAR(double(next - round) / kRate, 1.5, 0.004) << "round " << n;
        round = next;
    }
}

// The last note, released at the very end of the file, rings on into the
// next round exactly as into a rest, and the next round starts on time.
TEST(FluidMidi, ALoopHasNoGapAndKeepsTheLastNotesTail) {
    const auto file = [](double rest) {
        TrackBytes t;
        t.tempo(0, 500000)
            .at(0, {0xC0, 0})
            .at(ticks(0.5), {0x90, 67, 110})
            .at(ticks(0.5), {0x80, 67, 64})
            .end(ticks(rest));
        return midiFile({t});
    };
    QTemporaryDir dir;
    Rig looped;
    looped.midi->play(writeFile(dir, QStringLiteral("tail.mid"), file(0)));
    looped.run(3.7);
    Rig rest;
    rest.midi->play(writeFile(dir, QStringLiteral("rest.mid"), file(0.5)));
    rest.run(1.5);

    std::vector<float> difference;
    for (std::size_t i = at(1.0); i < at(1.45); ++i)
        difference.push_back(looped.audio[i] - rest.audio[i]);
    const double tail = rms(rest.audio, at(1.0), at(1.45));
    ASSERT_GT(tail, 0.001);
    EXPECT_LT(rms(difference, 0, difference.size()), 0.05 * tail);

    const float half = peak(looped.audio, at(0.5), at(1.0)) / 2;
    std::int64_t note = looped.onset(at(0.4), half);
    ASSERT_GE(note, 0);
    for (int round = 2; round <= 3; ++round) {
        const std::int64_t next = looped.onset(std::size_t(note) + at(0.9), half);
        ASSERT_GE(next, 0) << "round " << round;
        EXPECT_NEAR(double(next - note) / kRate, 1.0, 0.003) << "round " << round;
        note = next;
    }
}

// A switch cuts the track at once, leaving only the echo of the room; the
// track replaced never sounds again, not even where it would have started
// its next round. Asked for again, a track starts from its beginning.
TEST(FluidMidi, ASwitchCutsAtOnceAndTheReplacedTrackNeverComesBack) {
    // Claves, for a sharp start, and an organ chord that holds for 0.3 s.
    TrackBytes a;
    a.tempo(0, 500000).at(0, {0xC0, 19}).at(0, {0x99, 75, 120}).at(0, {0x90, 72, 110});
    a.at(ticks(0.3), {0x80, 72, 0}).at(0, {0x89, 75, 0}).end(ticks(0.7));
    TrackBytes rests;
    rests.tempo(0, 500000).end(ticks(2.0));
    QTemporaryDir dir;
    const QString track = writeFile(dir, QStringLiteral("a.mid"), midiFile({a}));
    const QString silence = writeFile(dir, QStringLiteral("rests.mid"), midiFile({rests}));
    Rig rig;
    rig.midi->play(track);
    rig.run(0.5);
    const float level = peak(rig.audio) / 2;
    ASSERT_GT(level, 0.01f);
    ASSERT_LT(peak(rig.audio, at(0.4)), level);
    const std::int64_t attack = rig.onset(0, level);
    const int threads = liveThreads();

    // Again, halfway through its rest: it starts over at once.
    const std::size_t restarted = rig.audio.size();
    rig.midi->play(track);
    rig.run(0.1);
    const std::int64_t again = rig.onset(restarted, level);
    ASSERT_GE(again, 0);
    EXPECT_NEAR(double(again - std::int64_t(restarted) - attack) / kRate, 0.0, 0.002);

    // Replaced while the organ holds, by a file of rests.
    const std::size_t switched = rig.audio.size();
    const float sounding = peak(rig.audio, switched - at(0.02));
    rig.midi->play(silence);
    rig.run(3.0);
    float echo = peak(rig.audio, switched + at(0.1), switched + at(0.15));
    EXPECT_LT(echo, sounding / 3);
    for (double t = 0.15; t < 3.0; t += 0.05) {
        const float next = peak(rig.audio, switched + at(t), switched + at(t + 0.05));
        EXPECT_LE(next, echo + 1e-5f) << t << " s after the switch";
        echo = next;
    }
    EXPECT_LT(peak(rig.audio, switched + at(1.0)), 1e-4f);
    // The replaced track's SoundFont went with it, not to a thread that
    // FluidSynth starts to free it once its voices are done.
    EXPECT_EQ(liveThreads(), threads);
}

TEST(FluidMidi, FilesThatCannotBeMusicAreToldOnceAndNeverHoldTheGame) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.mid"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = dir.filePath(QStringLiteral("huge.mid"));
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(midiFile({TrackBytes().end(480)}));
        ASSERT_TRUE(f.resize(qint64(1) << 30)); // sparse: a gigabyte of nothing
    }
    const QString missing = dir.filePath(QStringLiteral("none.mid"));
    const QString junk = writeFile(dir, QStringLiteral("junk.mid"), QByteArray(100, 'x'));
    const QString empty = writeFile(dir, QStringLiteral("empty.mid"), {});
    // A file FluidSynth reads but that lasts no time would start again forever.
    const QString instant = writeFile(dir, QStringLiteral("instant.mid"),
                                      midiFile({TrackBytes().at(0, {0x90, 60, 100}).end(0)}));
    const QStringList bad = {fifo, huge, missing, junk, empty, instant};
    std::string said;
    {
        StderrCapture capture;
        Rig rig;
        QElapsedTimer clock;
        clock.start();
        for (int round = 0; round < 2; ++round)
            for (const QString& path : bad) {
                rig.midi->play(path);
                rig.run(0.05);
            }
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_LT(peak(rig.audio), 1e-4f);
        said = capture.text();
    }
    const auto count = [&](const QString& path) {
        const std::string needle = "music file " + path.toStdString() + " ";
        std::size_t n = 0;
        for (auto at = said.find(needle); at != std::string::npos; at = said.find(needle, at + 1))
            ++n;
        return n;
    };
    for (const QString& path : bad)
        EXPECT_EQ(count(path), 1u) << path.toStdString() << "\n" << said;
}

TEST(FluidMidi, WithoutAnAudioDeviceSaysSoOnceAndTheGameGoesOn) {
    QTemporaryDir dir;
    TrackBytes t;
    t.at(0, {0x90, 60, 100}).end(480);
    const QString tune = writeFile(dir, QStringLiteral("tune.mid"), midiFile({t}));
    FluidMidi::Options o;
    // A driver FluidSynth does not know, then ALSA on a device that is not
    // there: both libraries have something to say about it.
    o.audioDrivers = {QStringLiteral("kobusato-none"), QStringLiteral("alsa")};
    o.alsaDevice = QStringLiteral("kobusato_missing");
    std::string said;
    {
        StderrCapture capture;
        FluidMidi midi(o);
        // The big SoundFont loads meanwhile; the game does not wait for it.
        QElapsedTimer clock;
        clock.start();
        midi.play(tune);
        midi.stop();
        midi.play(tune);
        EXPECT_LT(clock.elapsed(), 100);
        ASSERT_TRUE(midi.waitUntilReady(60s));
        EXPECT_EQ(midi.state(), FluidMidi::State::Silent);
        float left[64];
        float right[64];
        EXPECT_FALSE(midi.render(left, right, 64)); // the audio thread's job, not ours
        said = capture.text();
    }
    EXPECT_EQ(said, "kobusato: no audio device found; the music is silent\n");
}

// The device reads only the zones a track's notes fall in, as the scout saw
// them. Each note tried here falls in a zone of the small font's violin that
// no other note does, where the scout could miss it: a note of one track
// just after another track chooses the violin, in the same block of the fast
// scout; the second round's first note, played on the violin the first
// round ended with; a note retuned to sound where another key's zone lies.
TEST(FluidMidi, NotesTheScoutCouldMissSoundAsWithTheWholeSoundFont) {
    const QString font = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
    if (!QFileInfo::exists(font))
        GTEST_SKIP() << "the small General MIDI font is not installed";
    QTemporaryDir dir;
    // Each file on a device of its own: a retuning stays with a synthesizer.
    const auto soundsAsWhole = [&](const QString& name, const QByteArray& file, double seconds,
                                   std::initializer_list<double> notesAt) {
        const QString path = writeFile(dir, name, file);
        Rig rig(font);
        rig.midi->play(path);
        rig.run(seconds);
        const std::vector<float> whole = wholeFontAudio(font, path, rig.audio.size());
        for (const double heard : notesAt)
            ASSERT_GT(rms(whole, at(heard), at(heard + 0.05)), 0.003)
                << name.toStdString() << heard;
        for (std::size_t i = 0; i < whole.size(); ++i)
            ASSERT_EQ(whole[i], rig.audio[i])
                << name.toStdString() << " first differs at " << double(i) / kRate << " s";
    };
    constexpr int kViolin = 40, kOrgan = 19;
    TrackBytes notes;
    notes.at(0, {0x91, 40, 100})
        .at(ticks(0.2), {0x81, 40, 0})
        .at(ticks(0.28), {0x90, 96, 100})
        .at(ticks(0.1), {0x91, 72, 100})
        .at(ticks(0.1), {0x80, 96, 0})
        .at(0, {0x81, 72, 0})
        .end(ticks(0.1));
    TrackBytes choices;
    choices.at(0, {0xC0, kOrgan}).at(ticks(0.46), {0xC0, kViolin}).at(ticks(0.09), {0xC1, kViolin});
    choices.end(ticks(0.25));
    // The note at 0.48 s, 20 ms after the violin, and the next round's first
    // at 0.8 s.
    soundsAsWhole(QStringLiteral("order.mid"), midiFile({notes, choices}), 1.2, {0.5, 0.85});

    TrackBytes retuned;
    // Key 41 of tuning program 0 sounds as key 100; channel 1 takes it.
    retuned.at(0, {0xF0, 11, 0x7F, 0x7F, 0x08, 0x02, 0, 1, 41, 100, 0, 0, 0xF7})
        .at(0, {0xB0, 101, 0})
        .at(0, {0xB0, 100, 3})
        .at(0, {0xB0, 6, 0})
        .at(0, {0xC0, kViolin})
        .at(0, {0x90, 72, 100})
        .at(ticks(0.1), {0x90, 41, 100})
        .at(ticks(0.2), {0x80, 41, 0})
        .at(0, {0x80, 72, 0})
        .end(ticks(0.2));
    soundsAsWhole(QStringLiteral("retuned.mid"), midiFile({retuned}), 0.5, {0.15});
}

// The device reads only the zones the track's notes fall in: every note
// must still sound, through the loop into the second round, where a channel
// plays on with the instrument the first ended with.
TEST(FluidMidi, TheGamesTracksSoundAsWithTheWholeSoundFontAFewDecibelsBelowFullScale) {
    int measured = 0;
    for (const char* font :
         {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"}) {
        if (!QFileInfo::exists(QString::fromLatin1(font)))
            continue;
        for (const char* name : {"Normal.mid", "Battle.mid", "staff.mid"}) {
            const QString path = QStringLiteral(KOBUSATO_GAME_DIR "/Midis/") + QLatin1String(name);
            if (!QFileInfo::exists(path))
                GTEST_SKIP() << "the music is not built";
            const std::int64_t length = fluidPlayerLength(path);
            ASSERT_GT(length, 0);
            Rig rig(QString::fromLatin1(font));
            rig.midi->play(path);
            // Into the second round far enough for its first notes.
            rig.run(double(length) / kRate + 5.0);
            const std::vector<float> whole =
                wholeFontAudio(QString::fromLatin1(font), path, rig.audio.size());
            std::size_t differ = 0;
            float worst = 0;
            for (std::size_t i = 0; i < whole.size(); ++i) {
                worst = std::max(worst, std::abs(whole[i] - rig.audio[i]));
                differ += whole[i] != rig.audio[i];
            }
            EXPECT_EQ(differ, 0u) << font << " " << name << ": by up to " << worst;
            const double peakDb = 20.0 * std::log10(rig.channelPeak);
            EXPECT_GE(peakDb, -6.0) << font << " " << name;
            EXPECT_LE(peakDb, -3.0) << font << " " << name;
            ++measured;
        }
    }
    if (measured == 0)
        GTEST_SKIP() << "no General MIDI SoundFont of Debian's installed";
}

// A SoundFont is a file like any other. One the cut cannot follow goes to
// FluidSynth's own loader whole, and plays or is refused there; one that is
// not a regular file, or that FluidSynth refuses, leaves the music silent.
// Each is told once, and none holds the music's thread.
TEST(FluidMidi, SoundFontsTheCutCannotFollowPlayWholeOrAreToldAndNeverHang) {
    using namespace testing_support;
    const QByteArray font = fileBytes(kSmallFont);
    if (font.isEmpty())
        GTEST_SKIP() << "the small General MIDI font is not installed";
    QTemporaryDir dir;
    TrackBytes t;
    t.at(0, {0xC0, 40}).at(0, {0x90, 72, 100}).at(ticks(0.3), {0x80, 72, 0}).end(ticks(0.1));
    const QString tune = writeFile(dir, QStringLiteral("tune.mid"), midiFile({t}));

    // FluidSynth reads these lists as the original's, but they start at
    // bag 1 and the cut would read them a bag apart.
    std::string lists = presetLists(font);
    const std::size_t phdr = lists.find("phdr") + 8;
    for (std::size_t at = phdr;
         at < phdr + le32At(QByteArray::fromStdString(lists), qsizetype(phdr - 4)); at += 38)
        lists[at + 24] = char(lists[at + 24] + 1); // no font here has a bag index ending in 255
    // Named as the original, for the same gain.
    QDir(dir.path()).mkdir(QStringLiteral("shifted"));
    const QString shifted =
        writeFile(dir, QStringLiteral("shifted/TimGM6mb.sf2"), withPresetLists(font, lists));
    const QString overlapping =
        writeFile(dir, QStringLiteral("overlapping.sf2"),
                  withPresetLists(font, overlappingPresetLists(64, 65534, sampleHeaders(lists))));
    const QString fifo = dir.filePath(QStringLiteral("fifo.sf2"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

    const auto said = [&](const QString& soundFont) {
        StderrCapture capture;
        {
            FluidMidi::Options o;
            o.soundFont = soundFont;
            o.audioDrivers = {QStringLiteral("kobusato-none")};
            FluidMidi midi(o);
            const bool ready = midi.waitUntilReady(10s);
            if (!ready) {
                // Let a reader stuck on the FIFO go, so that a failure ends.
                const int w = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
                if (w >= 0)
                    ::close(w);
            }
            EXPECT_TRUE(ready) << soundFont.toStdString();
        }
        return capture.text();
    };
    const std::string noDevice = "kobusato: no audio device found; the music is silent\n";
    EXPECT_EQ(said(shifted), "kobusato: the SoundFont " + shifted.toStdString() +
                                 " has preset lists out of order; it is loaded whole\n" + noDevice);
    EXPECT_EQ(said(overlapping), "kobusato: the SoundFont " + overlapping.toStdString() +
                                     " could not be loaded; the music is silent\n");
    EXPECT_EQ(said(fifo), "kobusato: the SoundFont " + fifo.toStdString() +
                              " is not a regular file; the music is silent\n");

    // Loaded whole, it sounds as it always did.
    Rig whole(shifted);
    whole.midi->play(tune);
    whole.run(0.3);
    Rig cut(QString::fromLatin1(kSmallFont));
    cut.midi->play(tune);
    cut.run(0.3);
    EXPECT_GT(peak(whole.audio), 0.05f);
    EXPECT_NEAR(rms(whole.audio, 0, at(0.3)) / rms(cut.audio, 0, at(0.3)), 1.0, 0.01);
}

namespace {

// An organ chord that holds for the whole file: a steady level to measure.
QByteArray heldChord() {
    TrackBytes t;
    t.tempo(0, 500000).at(0, {0xC0, 19});
    for (const std::uint8_t key : {60, 64, 67})
        t.at(0, {0x90, key, 100});
    t.at(ticks(3.0), {0x80, 60, 0}).end(ticks(3.2));
    return midiFile({t});
}

} // namespace

// The player's volume scales the synthesizer's own gain: half the volume is
// half the level, from the start of a track and at once while it plays.
TEST(FluidMidi, TheVolumeScalesTheLevelInProportion) {
    QTemporaryDir dir;
    const QString track = writeFile(dir, QStringLiteral("chord.mid"), heldChord());
    Rig full;
    full.midi->play(track);
    full.run(2.0);
    Rig half;
    half.midi->setVolume(0.5);
    half.midi->play(track);
    half.run(1.0);
    const double loud = rms(full.audio, at(0.2), at(1.0));
    ASSERT_GT(loud, 0.01);
    EXPECT_NEAR(rms(half.audio, at(0.2), at(1.0)) / loud, 0.5, 0.005);

    // A quarter while the chord holds: no new start, only a lower level once
    // the room's echo of the louder part has died away.
    Rig turned;
    turned.midi->play(track);
    turned.run(1.0);
    turned.midi->setVolume(0.25);
    turned.run(1.0);
    EXPECT_NEAR(rms(turned.audio, at(1.5), at(2.0)) / rms(full.audio, at(1.5), at(2.0)), 0.25,
                0.01);
    EXPECT_EQ(turned.midi->soundFontsHeld(), 1);
}

// Muted, a track asked for is not read and no SoundFont is held for it;
// raised again, the track asked for last starts from its beginning.
TEST(FluidMidi, MutedNothingSoundsOrIsHeldAndUnmutedTheTrackStartsAgain) {
    QTemporaryDir dir;
    const QString track = writeFile(dir, QStringLiteral("chord.mid"), heldChord());
    Rig heard;
    heard.midi->play(track);
    heard.run(0.3);
    const float level = peak(heard.audio) / 4;
    ASSERT_GT(level, 0.005f);
    const std::int64_t onset = heard.onset(0, level);

    Rig rig;
    rig.midi->setVolume(0);
    rig.midi->play(track);
    rig.run(1.0);
    // Below -140 dBFS: what an idle synthesizer's effects leave.
    EXPECT_LT(peak(rig.audio), 1e-7f);
    EXPECT_EQ(rig.midi->soundFontsHeld(), 0);

    const std::size_t raised = rig.audio.size();
    rig.midi->setVolume(1);
    rig.run(0.5);
    EXPECT_EQ(rig.midi->soundFontsHeld(), 1);
    const std::int64_t again = rig.onset(raised, level);
    ASSERT_GE(again, 0);
    EXPECT_NEAR(double(again - std::int64_t(raised) - onset) / kRate, 0.0, 0.002);

    // Muted while it plays: cut at once and let go.
    const std::size_t muted = rig.audio.size();
    rig.midi->setVolume(0);
    rig.run(1.0);
    EXPECT_LT(peak(rig.audio, muted + at(0.3)), 1e-4f);
    EXPECT_EQ(rig.midi->soundFontsHeld(), 0);
    // A track asked for while muted is the one that comes back.
    rig.midi->stop();
    rig.midi->setVolume(0.5);
    rig.run(0.5);
    EXPECT_EQ(rig.midi->soundFontsHeld(), 0) << "stopped while muted, nothing comes back";
}
