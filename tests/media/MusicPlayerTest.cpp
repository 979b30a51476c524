#include "media/MusicPlayer.h"
#include "character/NameEntryWindow.h"
#include "support/GameTest.h"

#include <QLineEdit>
#include <QTest>

using namespace testing_support;
using kobu::MusicPlayer;
using kobu::Track;

namespace {

class MusicTest : public GameTest {
  protected:
    MusicPlayer& player() { return forms().get<MusicPlayer>(); }
    FakeMidi& dev() { return fakeMidi(); }
    QString track(int n) { return g().musicPaths[static_cast<size_t>(n)]; }
};

} // namespace

TEST_F(MusicTest, ReplayStartsTheTrackNamedLastAgain) {
    // With nothing named yet, nothing plays.
    player().replay();
    EXPECT_TRUE(dev().playing.isEmpty());
    player().play(Track::Ending);
    player().replay();
    EXPECT_EQ(dev().playing, track(3));
    EXPECT_EQ(dev().commands, (std::vector<QString>{"play", "play", "play"}));
}

// New game closes every window, the hidden player with them: the music stops
// until the next name entry starts the town track again.
TEST_F(MusicTest, NewGameStopsTheMusicUntilTheNextNameEntry) {
    const auto name = [&](const QString& who) {
        auto* f = forms().find<kobu::NameEntryWindow>();
        ASSERT_NE(f, nullptr);
        QTest::keyClicks(f->nameBox, who);
        QTest::keyClick(f->nameBox, Qt::Key_Return);
        settle();
    };
    frame->newAction()->trigger();
    name(QStringLiteral("Taro"));
    player().play(Track::Match);
    fakeBoxes().answer(platform::Answer::Yes);
    frame->newAction()->trigger();
    EXPECT_EQ(forms().find<MusicPlayer>(), nullptr);
    EXPECT_TRUE(dev().playing.isEmpty());
    name(QStringLiteral("Jiro"));
    EXPECT_EQ(dev().playing, track(1));
}
