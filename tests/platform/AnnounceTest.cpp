// What reaches the screen reader when the game says several things at once, and
// through a pause of the real clock.

#include "platform/Announce.h"
#include "platform/Clock.h"
#include "platform/Language.h"
#include "support/GameTest.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <chrono>
#include <memory>

using namespace platform;

namespace {

struct Sent {
    QString text;
    qint64 at;
    QWidget* source;
};

qint64 nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

class Recorder : public Announcer {
  public:
    explicit Recorder(std::vector<Sent>& sent) : sent_(sent) {}
    void announce(QWidget* source, const QString& text) override {
        sent_.push_back({text, nowMs(), source});
    }

  private:
    std::vector<Sent>& sent_;
};

class Gathering : public testing_support::GameTest {
  protected:
    std::vector<Sent> sent;
    std::unique_ptr<Announcer> gather = makeGatheringAnnouncer(std::make_unique<Recorder>(sent));
};

} // namespace

TEST(JoinAnnouncements, SentencesInARowInEitherLanguage) {
    EXPECT_EQ(joinAnnouncements({QStringLiteral("相手の数 6"), QStringLiteral("プレイヤー負け")}),
              QStringLiteral("相手の数 6。プレイヤー負け"));
    // A text that ends its own sentence gets no second stop.
    EXPECT_EQ(joinAnnouncements({QStringLiteral("スピード勝ち！"), QStringLiteral("相手の数 2")}),
              QStringLiteral("スピード勝ち！ 相手の数 2"));
    EXPECT_EQ(joinAnnouncements({QStringLiteral("ひとつ")}), QStringLiteral("ひとつ"));
    EXPECT_EQ(joinAnnouncements({QString(), QStringLiteral("a"), QString()}), QStringLiteral("a"));
}

TEST_F(Gathering, WhatIsSaidInOneMomentArrivesAsOneTextInOrder) {
    QLabel a, b;
    gather->announce(&a, QStringLiteral("相手の数 6"));
    gather->announce(&b, QStringLiteral("プレイヤー負け あなたに3のダメージ"));
    EXPECT_TRUE(sent.empty()) << "sent before the moment was over";
    QTest::qWait(kGatherMs + 150);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].text, QStringLiteral("相手の数 6。プレイヤー負け あなたに3のダメージ"));
    EXPECT_EQ(sent[0].source, &b);
}

TEST_F(Gathering, TextsSaidApartNeverArriveCloserThanTheGatheringTime) {
    QLabel a;
    gather->announce(&a, QStringLiteral("一"));
    QTest::qWait(kGatherMs + 50);
    gather->announce(&a, QStringLiteral("二")); // just after the first went out
    QTest::qWait(3 * kGatherMs);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1].text, QStringLiteral("二"));
    EXPECT_GE(sent[1].at - sent[0].at, kGatherMs - 1); // whole milliseconds
}

TEST_F(Gathering, AControlThatIsGoneIsSaidFromTheWindowInFrontOrNotAtAll) {
    auto label = std::make_unique<QLabel>();
    const QWidget* gone = label.get();
    gather->announce(label.get(), QStringLiteral("消える"));
    label.reset();
    QTest::qWait(kGatherMs + 150);
    ASSERT_LE(sent.size(), 1u);
    if (!sent.empty()) {
        EXPECT_NE(sent[0].source, gone);
        EXPECT_EQ(sent[0].source, QApplication::activeWindow());
    }
}

// The real clock: a pause ends the moment, and what was said before it is said while
// the player is paused on it, not after.
TEST_F(Gathering, ThePauseOfTheRealClockSendsWhatWasSaidBeforeIt) {
    setClock(makeRealClock());
    setAnnouncer(makeGatheringAnnouncer(std::make_unique<Recorder>(sent)));
    QLabel a;
    const qint64 start = nowMs();
    platform::announce(&a, QStringLiteral("試合開始"));
    pauseFor(1500);
    const qint64 end = nowMs();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_GE(end - start, 1500);
    EXPECT_LT(sent[0].at - start, 1000) << "said only after the pause";
}
