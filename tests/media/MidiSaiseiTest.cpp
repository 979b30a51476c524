#include "media/MidiSaisei.h"
#include "support/GameTest.h"

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
