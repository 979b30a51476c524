#include "media/MidiSaisei.h"
#include "character/NameEntryWindow.h"
#include "platform/FluidMidi.h"
#include "support/GameTest.h"
#include "support/MidiFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <cmath>

using namespace testing_support;
using kobu::MidiSaisei;

namespace {

class MusicTest : public GameTest {
  protected:
    MidiSaisei& player() { return forms().get<MidiSaisei>(); }
    FakeMidi& dev() { return fakeMidi(); }
    QString track(int n) { return g().musicPaths[static_cast<size_t>(n)]; }
};

} // namespace

TEST_F(MusicTest, ASwitchNeverLetsTheReplacedTrackResume) {
    player().Saisei(1);
    dev().deliverPending();
    EXPECT_EQ(dev().playing, track(1));
    player().Saisei(2);
    dev().deliverPending(); // the interrupted track 1 reports its end
    EXPECT_EQ(dev().playing, track(2));
    player().Saisei(1);
    dev().deliverPending();
    EXPECT_EQ(dev().playing, track(1));
    EXPECT_EQ(player().skipNextDone, kobu::i16(0));
}

TEST_F(MusicTest, ANaturalEndRestartsTheSameTrack) {
    player().Saisei(2);
    dev().deliverPending();
    dev().commands.clear();
    dev().endNaturally();
    EXPECT_EQ(dev().commands, (std::vector<QString>{"close", "open", "play"}));
    EXPECT_EQ(dev().playing, track(2));
    // And again: it keeps looping.
    dev().endNaturally();
    EXPECT_EQ(dev().playing, track(2));
}

TEST_F(MusicTest, AnyOtherNumberRestartsTheLastFileWithoutTheFlag) {
    player().Saisei(3);
    dev().deliverPending();
    player().Saisei(7);
    EXPECT_EQ(player().skipNextDone, kobu::i16(0));
    EXPECT_EQ(dev().playing, track(3));
    // The report of the interruption now restarts the file once more.
    dev().commands.clear();
    dev().deliverPending();
    EXPECT_EQ(dev().commands, (std::vector<QString>{"close", "open", "play"}));
}

TEST_F(MusicTest, AnyOtherNumberWithNothingPlayedPlaysNothing) {
    player().Saisei(0);
    dev().deliverPending();
    EXPECT_TRUE(dev().playing.isEmpty());
}

TEST_F(MusicTest, TheFirstTrackOfAGameLoopsToo) {
    player().Saisei(1);
    dev().deliverPending(); // the switch's one report
    dev().endNaturally();
    EXPECT_EQ(dev().playing, track(1));
}

TEST_F(MusicTest, TwoSwitchesBeforeEventsRunDoNotRestartForever) {
    player().Saisei(1);
    player().Saisei(2);
    dev().deliverPending();
    EXPECT_EQ(dev().playing, track(2));
    EXPECT_EQ(dev().pendingDone, 0);
    EXPECT_EQ(player().skipNextDone, kobu::i16(0));
}

TEST_F(MusicTest, PlayingTheSameTrackAgainRestartsIt) {
    player().Saisei(1);
    dev().deliverPending();
    dev().commands.clear();
    player().Saisei(1);
    EXPECT_EQ(dev().commands, (std::vector<QString>{"close", "open", "play"}));
    dev().deliverPending();
    EXPECT_EQ(dev().playing, track(1));
    EXPECT_EQ(player().skipNextDone, kobu::i16(0));
}

TEST_F(MusicTest, UnloadingThePlayerStopsTheMusicForGood) {
    player().Saisei(1);
    forms().unload<MidiSaisei>();
    EXPECT_TRUE(dev().playing.isEmpty());
    dev().deliverPending();
    dev().endNaturally();
    EXPECT_TRUE(dev().playing.isEmpty());
}

namespace {

// Names a character through the real name entry of a new game; `meanwhile`
// runs while the player types.
void beginGame(kobu::MainWindow* frame, const QString& name,
               const std::function<void()>& meanwhile = {}) {
    frame->newAction()->trigger();
    if (meanwhile)
        meanwhile();
    auto* f = platform::Windows::instance().find<kobu::NameEntryWindow>();
    ASSERT_NE(f, nullptr);
    QTest::keyClicks(f->nameBox, name);
    QTest::keyClick(f->nameBox, Qt::Key_Return);
    settle();
    if (meanwhile)
        meanwhile();
}

} // namespace

// A new game makes a new player window; the town track it starts must loop as
// the first game's did, whichever device plays it.
TEST_F(MusicTest, TheTownTrackStillLoopsAfterANewGame) {
    const auto events = [this] { dev().deliverPending(); };
    beginGame(frame, QStringLiteral("Taro"), events);
    fakeBoxes().answer(platform::vbYes);
    beginGame(frame, QStringLiteral("Jiro"), events);
    ASSERT_EQ(dev().playing, track(1));
    for (int round = 0; round < 3; ++round) {
        dev().endNaturally();
        settle();
        EXPECT_EQ(dev().playing, track(1)) << round;
    }
}

TEST_F(MusicTest, TheTownTrackStillLoopsAfterANewGameOnTheSynthesizer) {
    // A two-second town track, so that its end comes soon.
    QDir(folder()).mkpath(QStringLiteral("Midis"));
    QFile tune(track(1));
    ASSERT_TRUE(tune.open(QIODevice::WriteOnly));
    tune.write(twoSecondTune());
    tune.close();
    const QString small = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
    auto owned = platform::FluidMidi::offline(
        QFileInfo::exists(small) ? small : QString::fromLatin1(platform::kDefaultSoundFont));
    platform::FluidMidi* synth = owned.get();
    platform::setMidiDevice(std::move(owned));

    constexpr int kRate = platform::FluidMidi::kSampleRate;
    std::vector<float> left(kRate / 10), right(kRate / 10);
    // Tenths of a second rendered, letting the game's events run between them.
    const auto level = [&](int tenths) {
        double sum = 0;
        for (int i = 0; i < tenths; ++i) {
            EXPECT_TRUE(synth->render(left.data(), right.data(), kRate / 10));
            for (float v : left)
                sum += double(v) * v;
            settle();
        }
        return std::sqrt(sum / (double(tenths) * kRate / 10));
    };
    const auto typing = [&] { level(5); };
    beginGame(frame, QStringLiteral("Taro"), typing);
    fakeBoxes().answer(platform::vbYes);
    beginGame(frame, QStringLiteral("Jiro"), typing);
    level(20); // past the first end of the new game's track
    // Well into the second and third rounds, the tune still sounds.
    EXPECT_GT(level(10), 0.003);
    level(10);
    EXPECT_GT(level(10), 0.003);
}
