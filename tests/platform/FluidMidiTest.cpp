#include "platform/FluidMidi.h"
#include "support/MidiFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fluidsynth.h>
#include <functional>
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

// The small General MIDI font when it is there: these tests are about timing
// and reports, not about how the music sounds.
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

// An offline device with the audio it rendered and the frame at which each
// end report arrived.
class Rig {
  public:
    explicit Rig(const QString& soundFont = lightFont()) : midi(FluidMidi::offline(soundFont)) {
        midi->setDoneHandler([this] {
            reports.push_back(frames);
            if (onDone)
                onDone();
        });
    }
    void start(const QString& path) {
        midi->setFileName(path);
        midi->open();
        midi->play();
    }
    // Renders in blocks the size an audio driver asks for, letting posted
    // reports arrive between blocks as the event loop would.
    void run(double seconds) {
        constexpr int kBlock = 256;
        float left[kBlock];
        float right[kBlock];
        const auto until = frames + std::int64_t(seconds * kRate);
        while (frames < until) {
            ASSERT_TRUE(midi->render(left, right, kBlock));
            for (int i = 0; i < kBlock; ++i) {
                audio.push_back(0.5f * (left[i] + right[i]));
                channelPeak = std::max({channelPeak, std::abs(left[i]), std::abs(right[i])});
            }
            frames += kBlock;
            QCoreApplication::processEvents();
        }
    }
    // First frame at or after `from` whose level rises above `level`.
    std::int64_t onset(std::int64_t from, float level = 0.01f) const {
        for (auto i = std::size_t(from); i < audio.size(); ++i)
            if (std::abs(audio[i]) > level)
                return std::int64_t(i);
        return -1;
    }

    std::unique_ptr<FluidMidi> midi;
    std::vector<float> audio;
    std::vector<std::int64_t> reports;
    std::int64_t frames = 0;
    float channelPeak = 0; // of either channel, as a player's ears get it
    std::function<void()> onDone;
};

// Where FluidSynth's own player says the file ends, in frames: an opinion on
// the tempo map that owes nothing to readMidiFile.
std::int64_t fluidPlayerLength(const QString& path) {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", kRate);
    fluid_settings_setstr(settings, "player.timing-source", "sample");
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

} // namespace

// ---- Reading files -----------------------------------------------------------

TEST(ReadMidiFile, PutsEveryTrackOnOneTimeLineInMicroseconds) {
    const auto song = readMidiFile(twoSecondTune());
    ASSERT_TRUE(song);
    EXPECT_EQ(song->lengthUs, 2'000'000);
    ASSERT_EQ(song->events.size(), 11u);
    using E = MidiSong::Event;
    EXPECT_EQ(song->events[0], (E{0, 0xC0, 0, 0}));
    EXPECT_EQ(song->events[1], (E{0, 0x99, 36, 120}));
    EXPECT_EQ(song->events[3], (E{250'000, 0x89, 36, 0}));
    // Running status carries the note-on over to the data bytes that follow.
    EXPECT_EQ(song->events[5], (E{500'000, 0x90, 64, 100}));
    EXPECT_EQ(song->events[10], (E{2'000'000, 0x80, 72, 64}));
    EXPECT_TRUE(std::is_sorted(song->events.begin(), song->events.end(),
                               [](const E& a, const E& b) { return a.atUs < b.atUs; }));
}

TEST(ReadMidiFile, TempoChangesInOneTrackTimeTheOthers) {
    // Two beats at 120, then two at 60: 1 s + 2 s. The notes are in another
    // track than the tempo, a sysex and a text event sit in between, and the
    // conductor's end of track, a beat after the last note, sets the length.
    TrackBytes conductor;
    conductor.tempo(0, 500000).tempo(960, 1000000).end(960);
    TrackBytes notes;
    notes.at(0, {0xF0, 3, 0x7E, 0x7F, 0xF7})
        .at(0, {0xFF, 0x01, 2, 'h', 'i'})
        .at(960, {0x90, 60, 90})
        .at(480, {0x80, 60, 0});
    notes.end(0);
    const auto song = readMidiFile(midiFile({conductor, notes}));
    ASSERT_TRUE(song);
    ASSERT_EQ(song->events.size(), 2u);
    EXPECT_EQ(song->events[0].atUs, 1'000'000);
    EXPECT_EQ(song->events[1].atUs, 2'000'000);
    EXPECT_EQ(song->lengthUs, 3'000'000);
}

TEST(ReadMidiFile, TimeCodeDivisionIgnoresTempo) {
    // 25 frames a second, 40 ticks a frame: a millisecond a tick.
    TrackBytes t;
    t.tempo(0, 250000).at(0, {0x90, 60, 90}).at(1500, {0x80, 60, 0});
    t.end(0);
    const auto song = readMidiFile(midiFile({t}, 0xE728, 0));
    ASSERT_TRUE(song);
    EXPECT_EQ(song->lengthUs, 1'500'000);
}

TEST(ReadMidiFile, DamagedTrackKeepsWhatCameBeforeTheDamage) {
    QByteArray f = twoSecondTune();
    f.chop(12); // the last note-off and end of track, and a little more
    const auto song = readMidiFile(f);
    ASSERT_TRUE(song);
    EXPECT_EQ(song->events.size(), 9u);
    // The conductor track is whole and still says where the file ends.
    EXPECT_EQ(song->lengthUs, 2'000'000);

    // A system message that has no place in a file ends the track there.
    TrackBytes t;
    t.at(0, {0x90, 60, 90}).at(480, {0x80, 60, 0}).at(0, {0xF4}).at(480, {0x90, 62, 90});
    const auto cut = readMidiFile(midiFile({t}));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->events.size(), 2u);
    EXPECT_EQ(cut->lengthUs, 500'000);
}

TEST(ReadMidiFile, RefusesWhatIsNotMusic) {
    EXPECT_FALSE(readMidiFile({}));
    EXPECT_FALSE(readMidiFile(QByteArray("RIFF\0\0\0\0WAVEfmt ", 16)));
    EXPECT_FALSE(readMidiFile(midiFile({})));                         // no tracks
    EXPECT_FALSE(readMidiFile(midiFile({TrackBytes().end(0)})));      // lasts no time
    EXPECT_FALSE(readMidiFile(midiFile({TrackBytes().end(480)}, 0))); // no tick length
    EXPECT_FALSE(readMidiFile(twoSecondTune().left(12)));             // header cut short
    EXPECT_TRUE(readMidiFile(midiFile({TrackBytes().end(480)})));     // silence is music
}

// ---- Playing -----------------------------------------------------------------

TEST(FluidMidi, RendersAudibleMusicAndReportsTheEndAtTheFilesLength) {
    QTemporaryDir dir;
    const QString tune = writeFile(dir, QStringLiteral("tune.mid"), twoSecondTune());
    // The game's own SoundFont, asked for at once: the first notes must not be
    // lost while it loads.
    Rig rig(QString::fromLatin1(kDefaultSoundFont));
    rig.start(tune);
    // Looping as the game's music player does: start again on each report.
    rig.onDone = [&] {
        if (rig.reports.size() == 1) {
            rig.midi->close();
            rig.start(tune);
        }
    };
    rig.run(4.5);
    ASSERT_EQ(rig.midi->state(), FluidMidi::State::Sounding);

    const std::int64_t length = 2 * kRate;
    ASSERT_EQ(rig.reports.size(), 2u);
    // Never before the last note has had its time, and well within 100 ms.
    EXPECT_GE(rig.reports[0], length);
    EXPECT_LE(rig.reports[0], length + kRate / 20);
    EXPECT_GE(rig.reports[1], 2 * length);
    EXPECT_LE(rig.reports[1], 2 * length + kRate / 10);

    // The drum and the first note from the first frames on, sounding all along.
    const std::int64_t first = rig.onset(0);
    EXPECT_GE(first, 0);
    EXPECT_LT(first, kRate / 50);
    EXPECT_GT(peak(rig.audio, 0, length), 0.05f);
    for (int beat = 0; beat < 4; ++beat)
        EXPECT_GT(rms(rig.audio, beat * kRate / 2, (beat + 1) * kRate / 2), 0.003) << beat;
    // The second round starts right after the report that asked for it.
    const std::int64_t again = rig.onset(rig.reports[0]);
    EXPECT_GE(again, 0);
    EXPECT_LT(again - rig.reports[0], kRate / 50);
}

TEST(FluidMidi, PlaysTheGamesTownThemeToItsEnd) {
    const QString path = QStringLiteral(KOBUSATO_GAME_DIR "/Midis/Normal.mid");
    if (!QFileInfo::exists(path))
        GTEST_SKIP() << "the music is not built";
    const std::int64_t length = fluidPlayerLength(path);
    ASSERT_GT(length, 0);
    Rig rig;
    rig.start(path);
    rig.run(double(length) / kRate + 0.3);
    ASSERT_EQ(rig.reports.size(), 1u);
    EXPECT_NEAR(double(rig.reports[0]), double(length), kRate / 10.0);
    EXPECT_GT(rms(rig.audio, 0, std::size_t(length)), 0.003);
}

TEST(FluidMidi, CloseCutsThePlaybackAndReportsItOnce) {
    QTemporaryDir dir;
    const QString tune = writeFile(dir, QStringLiteral("tune.mid"), twoSecondTune());
    Rig rig;
    rig.start(tune);
    rig.run(0.5);
    ASSERT_GT(peak(rig.audio), 0.01f);
    rig.midi->close();
    // Reported later, through the event loop, not from inside close.
    EXPECT_TRUE(rig.reports.empty());
    const auto closedAt = std::size_t(rig.frames);
    rig.run(3.0); // past where the file would have ended
    ASSERT_EQ(rig.reports.size(), 1u);
    EXPECT_EQ(rig.reports[0], std::int64_t(closedAt) + 256);
    // The notes stop at once (the one held would ring on for seconds); only
    // the reverberation of what was heard before dies away, as in a hall.
    const float before = peak(rig.audio, closedAt - kRate / 20, closedAt);
    EXPECT_LT(peak(rig.audio, closedAt + kRate / 20, closedAt + kRate / 10), before / 2);
    EXPECT_LT(peak(rig.audio, closedAt + kRate / 2), 1e-4f);
}

TEST(FluidMidi, EverySwitchOfTrackIsAnsweredByExactlyOneReport) {
    QTemporaryDir dir;
    const QString tune = writeFile(dir, QStringLiteral("tune.mid"), twoSecondTune());
    Rig rig;
    // The game's player switches with close, open, play and lets one report
    // go by for each switch, the very first included.
    rig.midi->close();
    EXPECT_TRUE(rig.reports.empty()); // later, not from inside close
    rig.run(0.05);
    EXPECT_EQ(rig.reports.size(), 1u);
    rig.midi->close(); // nothing played since that report
    rig.run(0.05);
    EXPECT_EQ(rig.reports.size(), 1u);

    // Switches faster than the event loop runs: one report answers them all.
    for (int i = 0; i < 3; ++i) {
        rig.midi->close();
        rig.start(tune);
    }
    rig.run(0.05);
    EXPECT_EQ(rig.reports.size(), 2u);

    // The natural end is reported; the close that follows it adds nothing, or
    // the player would restart twice.
    rig.run(2.1);
    EXPECT_EQ(rig.reports.size(), 3u);
    rig.midi->close();
    rig.run(0.05);
    EXPECT_EQ(rig.reports.size(), 3u);

    // A play with nothing open sounds nothing and never ends by itself, but
    // still owes the close its report.
    rig.midi->play();
    rig.run(2.5);
    EXPECT_EQ(rig.reports.size(), 3u);
    EXPECT_LT(peak(rig.audio, rig.audio.size() - 2 * kRate), 1e-4f);
    rig.midi->close();
    rig.run(0.05);
    EXPECT_EQ(rig.reports.size(), 4u);
}

TEST(FluidMidi, MissingOrBrokenFilesPlaySilentlyWithoutAnEndOfTheirOwn) {
    QTemporaryDir dir;
    const QString junk = writeFile(dir, QStringLiteral("junk.mid"), QByteArray(4000, '\x90'));
    const QString empty = writeFile(dir, QStringLiteral("empty.mid"), {});
    const QString tune = writeFile(dir, QStringLiteral("tune.mid"), twoSecondTune());
    const QString missing = dir.filePath(QStringLiteral("none.mid"));
    Rig rig;
    rig.midi->close();
    std::size_t expected = 1;
    for (const QString& path : {missing, junk, empty, QString()}) {
        rig.start(path);
        rig.run(0.3);
        EXPECT_EQ(rig.reports.size(), expected) << path.toStdString();
        rig.midi->close();
        rig.run(0.05);
        EXPECT_EQ(rig.reports.size(), ++expected) << path.toStdString();
    }
    // A file that fails to open leaves nothing open of the one before it.
    rig.midi->setFileName(tune);
    rig.midi->open();
    rig.midi->setFileName(missing);
    rig.midi->open();
    rig.midi->play();
    rig.run(0.3);
    EXPECT_LT(peak(rig.audio), 1e-4f);
}

TEST(FluidMidi, DestroyedDeviceSendsNoReport) {
    QTemporaryDir dir;
    const QString tune = writeFile(dir, QStringLiteral("tune.mid"), twoSecondTune());
    float left[256];
    float right[256];
    auto reports = std::make_shared<int>(0);
    const auto make = [&] {
        auto midi = FluidMidi::offline(lightFont());
        midi->setDoneHandler([reports] { ++*reports; });
        midi->setFileName(tune);
        midi->open();
        midi->play();
        return midi;
    };
    {
        // Mid-playback.
        auto midi = make();
        ASSERT_TRUE(midi->render(left, right, 256));
    }
    {
        // The natural end rendered, its report posted but not yet delivered.
        auto midi = make();
        for (int i = 0; i < 2 * kRate / 256 + 2; ++i)
            ASSERT_TRUE(midi->render(left, right, 256));
    }
    {
        // Closed, its report still in the queue.
        auto midi = make();
        midi->close();
    }
    {
        // Destroyed while the SoundFont is still loading.
        auto midi = FluidMidi::offline(QString::fromLatin1(kDefaultSoundFont));
        midi->setDoneHandler([reports] { ++*reports; });
        midi->setFileName(tune);
        midi->open();
        midi->play();
    }
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(*reports, 0);
}

TEST(FluidMidi, WithoutAnAudioDeviceSaysSoOnceAndStillReportsClose) {
    QTemporaryDir dir;
    const QString tune = writeFile(dir, QStringLiteral("tune.mid"), twoSecondTune());
    FluidMidi::Options o;
    // A driver FluidSynth does not know, then ALSA on a device that is not
    // there: both libraries have something to say about it.
    o.audioDrivers = {QStringLiteral("kobusato-none"), QStringLiteral("alsa")};
    o.alsaDevice = QStringLiteral("kobusato_missing");
    std::string said;
    {
        StderrCapture capture;
        FluidMidi midi(o);
        int reports = 0;
        midi.setDoneHandler([&] { ++reports; });
        // The big SoundFont loads meanwhile; the commands do not wait for it.
        QElapsedTimer clock;
        clock.start();
        midi.setFileName(tune);
        midi.open();
        midi.play();
        EXPECT_LT(clock.elapsed(), 100);
        ASSERT_TRUE(midi.waitUntilReady(60s));
        EXPECT_EQ(midi.state(), FluidMidi::State::Silent);
        float left[64];
        float right[64];
        EXPECT_FALSE(midi.render(left, right, 64)); // the audio thread's job, not ours
        midi.close();
        QCoreApplication::processEvents();
        EXPECT_EQ(reports, 1);
        said = capture.text();
    }
    EXPECT_EQ(said, "kobusato: no audio device found; the music is silent\n");
}

TEST(FluidMidi, AHandlerThatRestartsOnEveryReportIsAnsweredOnlyByTheEnd) {
    // What the game's player does for a track number it does not know: close,
    // open and play the last file, and restart it on every report.
    QTemporaryDir dir;
    const QString tune = writeFile(dir, QStringLiteral("tune.mid"), twoSecondTune());
    Rig rig;
    rig.onDone = [&] {
        rig.midi->close();
        rig.midi->open();
        rig.midi->play();
    };
    rig.start(tune);
    rig.run(0.05);
    rig.reports.clear();
    rig.midi->close();
    rig.midi->open();
    rig.midi->play();
    rig.run(1.0);
    // The close's one report restarts the file once; then it plays on.
    EXPECT_EQ(rig.reports.size(), 1u);
    rig.run(2.0);
    EXPECT_EQ(rig.reports.size(), 2u); // its natural end
}

// Silent for half a second, then a piano note that is released exactly at
// the end of the file, one second in.
QByteArray noteAtTheEnd() {
    TrackBytes band;
    band.tempo(0, 500000).at(0, {0xC0, 0}).at(480, {0x90, 67, 110}).at(480, {0x80, 67, 64}).end(0);
    return midiFile({band});
}

TEST(FluidMidi, ALoopNeitherWaitsForTheGameNorCutsTheLastNotesTail) {
    QTemporaryDir dir;
    const QString tune = writeFile(dir, QStringLiteral("tune.mid"), noteAtTheEnd());
    Rig rig;
    rig.onDone = [&] {
        rig.midi->close();
        rig.start(tune);
    };
    rig.start(tune);
    constexpr std::int64_t kLength = kRate; // one second
    rig.run(1.2);
    ASSERT_EQ(rig.reports.size(), 1u);
    // The note released at the end rings on into the next round's silence.
    const double before = rms(rig.audio, kLength - kRate / 20, kLength);
    ASSERT_GT(before, 0.003);
    EXPECT_GT(rms(rig.audio, kLength, kLength + kRate / 20), before / 4);

    // The game's thread is busy for a second across the next end (a pause in
    // a match): the next round's note still comes on time.
    constexpr int kBlock = 256;
    float left[kBlock];
    float right[kBlock];
    while (rig.frames < 2 * kLength + kRate / 2 + kRate / 10) {
        ASSERT_TRUE(rig.midi->render(left, right, kBlock));
        for (int i = 0; i < kBlock; ++i)
            rig.audio.push_back(0.5f * (left[i] + right[i]));
        rig.frames += kBlock;
    }
    rig.run(0.2);
    // As late after its due frame as the first round's note was (the piano's
    // attack), within 10 ms; half the note's peak stands clear of the tail of
    // the round before.
    const float half = peak(rig.audio, kLength / 2, kLength) / 2;
    const std::int64_t attack = rig.onset(kLength / 2, half) - kLength / 2;
    const std::int64_t noteDue = 2 * kLength + kLength / 2;
    const std::int64_t heard = rig.onset(noteDue - kRate / 100, half);
    ASSERT_GE(heard, 0);
    EXPECT_LT(std::abs(heard - noteDue - attack), kRate / 100)
        << "frames late: " << heard - noteDue - attack;
    EXPECT_EQ(rig.reports.size(), 2u);
}

TEST(FluidMidi, FilesThatCannotBeMusicAreToldOnceAndNeverHoldTheGame) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.mid"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = dir.filePath(QStringLiteral("huge.mid"));
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(twoSecondTune());
        ASSERT_TRUE(f.resize(qint64(1) << 30)); // sparse: a gigabyte of nothing
    }
    const QString missing = dir.filePath(QStringLiteral("none.mid"));
    const QString junk = writeFile(dir, QStringLiteral("junk.mid"), QByteArray(100, 'x'));
    std::string said;
    {
        StderrCapture capture;
        Rig rig;
        QElapsedTimer clock;
        clock.start();
        for (int round = 0; round < 2; ++round)
            for (const QString& path : {fifo, huge, missing, junk}) {
                rig.start(path);
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
    for (const QString& path : {fifo, huge, missing, junk})
        EXPECT_EQ(count(path), 1u) << path.toStdString() << "\n" << said;
}

TEST(FluidMidi, TheGamesTracksPeakAFewDecibelsBelowFullScale) {
    int measured = 0;
    for (const char* font :
         {"/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2"}) {
        if (!QFileInfo::exists(QString::fromLatin1(font)))
            continue;
        for (const char* name : {"Normal.mid", "Battle.mid", "staff.mid"}) {
            const QString path = QStringLiteral(KOBUSATO_GAME_DIR "/Midis/") + QLatin1String(name);
            if (!QFileInfo::exists(path))
                GTEST_SKIP() << "the music is not built";
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const auto song = readMidiFile(f.readAll());
            ASSERT_TRUE(song);
            Rig rig(QString::fromLatin1(font));
            rig.start(path);
            rig.run(double(song->lengthUs) / 1e6 + 0.5);
            const double peakDb = 20.0 * std::log10(rig.channelPeak);
            EXPECT_GE(peakDb, -6.0) << font << " " << name;
            EXPECT_LE(peakDb, -3.0) << font << " " << name;
            ++measured;
        }
    }
    if (measured == 0)
        GTEST_SKIP() << "no General MIDI SoundFont of Debian's installed";
}
