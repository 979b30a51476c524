// The game's side of the accessibility bus tests: run by listen.py on a
// display of its own with the AT-SPI bus up, and told apart from the
// listener's own output by the lines it prints ("rolls: begin", "said: …").

#include "battle/BattleSupport.h"
#include "platform/Announce.h"
#include "platform/Clock.h"
#include "platform/Language.h"

#include <QTest>
#include <cstdio>

using namespace kobu;
using namespace platform;
using namespace testing_support;
using namespace battle_support;

namespace {

void line(const QString& s) {
    std::printf("%s\n", s.toUtf8().constData());
    std::fflush(stdout);
}

// Each announcement, as the game gathers it, goes to the bus and is printed, so the
// listener can compare what arrived with what was sent.
class PrintingAnnouncer : public Announcer {
  public:
    void announce(QWidget* source, const QString& text) override {
        line(QStringLiteral("said: ") + text);
        bus_->announce(source, text);
    }

  private:
    std::unique_ptr<Announcer> bus_ = makeBusAnnouncer();
};

class Bus : public BattleFixture {
  protected:
    void TearDown() override {
        applyLanguage(Language::Japanese);
        BattleFixture::TearDown();
    }
};

} // namespace

TEST_F(Bus, RollsRun) {
    // Both rolls at the frame clock's pace, the opponent's never stopping.
    fakeRandom().fallback = 0.5f;
    BattleWindow& b = start();
    for (platform::Timer* t : {b.playerRollTimer, b.opponentRollTimer})
        t->setInterval(1);
    QTest::qWait(1000); // the window appears on the bus
    const std::uint64_t before = b.playerTicks;
    line(QStringLiteral("rolls: begin"));
    QTest::qWait(5000);
    line(QStringLiteral("rolls: end"));
    line(QStringLiteral("ticks: %1").arg(b.playerTicks - before));
    EXPECT_GT(b.playerTicks - before, 200u);
}

TEST_F(Bus, AnsweredThroughAPause) {
    // The real pause; the listener asks the game something before it and during it, and
    // presses Stop! during it, which the game must take only after the pause.
    BattleWindow& b = start();
    setClock(makeRealClock());
    QTest::qWait(1000); // the game's frame appears on the bus
    line(QStringLiteral("pause: ready"));
    QTest::qWait(1500);
    line(QStringLiteral("pause: begin"));
    pauseFor(3000);
    const bool stoppedInThePause = !b.playerRollTimer->isEnabled();
    line(QStringLiteral("pause: end"));
    QTest::qWait(500);
    EXPECT_FALSE(stoppedInThePause) << "a press through the bus ran inside the pause";
    EXPECT_FALSE(b.playerRollTimer->isEnabled()) << "the press was lost";
}

class HeardMatch : public Bus, public ::testing::WithParamInterface<const char*> {};

TEST_P(HeardMatch, OnTheBus) {
    if (!announcementsAvailable()) {
        line(QStringLiteral("skip: announcements need Qt 6.8"));
        GTEST_SKIP();
    }
    if (QLatin1String(GetParam()) == QLatin1String("en")) {
        copyFromGame(QStringLiteral("translations/kobusato_en.qm"));
        ASSERT_TRUE(applyLanguage(Language::English));
    }
    setAnnouncer(makeGatheringAnnouncer(std::make_unique<PrintingAnnouncer>()));
    fakeBoxes().autoOk = true;
    QTest::qWait(1000); // the game's frame appears on the bus first
    BattleWindow& b = start();
    // Each exchange is a moment of its own, as when played.
    playHeardMatch(b, [] { QTest::qWait(3 * kGatherMs); });
    QTest::qWait(1000); // the last announcements reach the listener
    line(QStringLiteral("match: end"));
}

INSTANTIATE_TEST_SUITE_P(Languages, HeardMatch, ::testing::Values("ja", "en"));
