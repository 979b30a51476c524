#pragma once
// Driving a match by hand: the roll timers are fired one tick at a time with
// scripted draws, so every number on screen is chosen by the test.

#include "app/TownMenu.h"
#include "battle/BattleWindow.h"
#include "battle/Combat.h"
#include "battle/Opponent.h"
#include "character/StatusWindow.h"
#include "media/EndingWindow.h"
#include "platform/GameWindow.h"
#include "state/GameState.h"
#include "support/Fakes.h"
#include "support/GameTest.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace battle_support {

// A draw that makes floor(width * r + lower) give `value`.
inline float drawFor(int value, int lower, int width) {
    return (static_cast<float>(value - lower) + 0.5f) / static_cast<float>(width);
}

// The range of the player's roll in `phase`: lower end and width.
inline std::pair<int, int> playerRange(const kobu::GameState& g, int phase) {
    switch (phase) {
    case kobu::combat::kSpeedContest:
        return {1, g.speed.value()};
    case kobu::combat::kOpponentAttack:
        return {g.defenseB.value(), g.defenseA.value() - g.defenseB.value() + 1};
    default:
        return {g.attackB.value(), g.attackA.value() - g.attackB.value() + 1};
    }
}

inline std::pair<int, int> opponentRange(const kobu::GameState& g, int phase) {
    const kobu::OpponentRecord& o = g.opponent;
    switch (phase) {
    case kobu::combat::kSpeedContest:
        return {1, o.enemySpeed.value() - 1};
    case kobu::combat::kPlayerAttack:
        return {o.enemyDefenseB.value(), o.enemyDefenseA.value() - o.enemyDefenseB.value()};
    default:
        return {o.enemyAttackB.value(), o.enemyAttackA.value() - o.enemyAttackB.value()};
    }
}

// Keeps real ticks away: only the test fires the timers.
inline void tame(kobu::BattleWindow& b) {
    for (platform::Timer* t : {b.playerRollTimer, b.opponentRollTimer, b.waitTimer})
        t->setInterval(3600 * 1000);
}

// One tick of the player's roll, showing `value`.
inline void playerTick(kobu::BattleWindow& b, int value) {
    ASSERT_TRUE(b.playerRollTimer->isEnabled());
    const auto [lower, width] = playerRange(kobu::game(), b.phase.value());
    testing_support::fakeRandom().push(drawFor(value, lower, width));
    b.playerRollTimer->fire();
}

// One tick of the opponent's roll, showing `value`, and its chance to stop.
inline void opponentTick(kobu::BattleWindow& b, int value, bool stops) {
    ASSERT_TRUE(b.opponentRollTimer->isEnabled());
    const auto [lower, width] = opponentRange(kobu::game(), b.phase.value());
    testing_support::fakeRandom().push(width > 0 ? drawFor(value, lower, width) : 0.5f);
    testing_support::fakeRandom().push(stops ? 0.0f : 0.5f);
    b.opponentRollTimer->fire();
}

inline void pressStop(kobu::BattleWindow& b) {
    QTest::mouseClick(b.stopButton, Qt::LeftButton);
}

// The opponent stops on `opponent`, then the player on `player`: the step is
// judged at once.
inline void rollAndStop(kobu::BattleWindow& b, int player, int opponent) {
    opponentTick(b, opponent, true);
    playerTick(b, player);
    pressStop(b);
}

// The ending asks "もう一度しますか" at its end; the answer is scripted as soon
// as the ending lets events run, so a test passes with or without the ending's
// question in place.
struct EndingAnswer {
    bool asked = false;
    void arm(platform::Answer a) {
        testing_support::fakeClock().onDoEvents = [this, a] {
            if (!asked && platform::Windows::instance().find<kobu::EndingWindow>()) {
                asked = true;
                testing_support::fakeBoxes().expect(QStringLiteral("もう一度しますか"), a);
            }
        };
    }
};

// The ending's pictures, when the build has them, in the test's program folder.
inline void copyEndingPictures(const QString& folder) {
    for (const char* sub : {"Bmps", "Jpegs"}) {
        const QDir from(QStringLiteral(KOBUSATO_GAME_DIR "/") + QLatin1String(sub));
        if (!from.exists())
            continue;
        QDir(folder).mkpath(QLatin1String(sub));
        for (const QString& name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name),
                        folder + QLatin1Char('/') + QLatin1String(sub) + QLatin1Char('/') + name);
    }
}

// Round n's opponent: attack 1..9, defence 1..9, speed 1..5, 20 hp.
inline kobu::OpponentRecord opponentOf(int round) {
    kobu::OpponentRecord o;
    o.enemyReserved = round;
    o.enemyAttackA = 10;
    o.enemyAttackB = 1;
    o.enemyDefenseA = 10;
    o.enemyDefenseB = 1;
    o.enemySpeed = 6;
    o.enemyHp = 20;
    o.enemyRewardPoints = 2 + round;
    o.enemyPrizeMoney = 100 * round;
    return o;
}

// A game in town with a roster of ten such opponents, ready to start a match.
class BattleFixture : public testing_support::GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        writeRoster(10);
        g().playerName = QStringLiteral("たろう");
        forms().show<kobu::StatusWindow>();
        forms().show<kobu::TownMenu>();
        testing_support::trace().clear();
    }

    void writeRoster(int records) {
        QByteArray all;
        for (int n = 1; n <= records; ++n)
            all += kobu::encodeOpponent(opponentOf(n));
        QFile f(folder() + "/Enemy.dat");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(all);
    }

    kobu::BattleWindow& start() {
        QTest::mouseClick(find<kobu::TownMenu>()->battleButton, Qt::LeftButton);
        kobu::BattleWindow* b = find<kobu::BattleWindow>();
        EXPECT_NE(b, nullptr);
        tame(*b);
        return *b;
    }

    // Wins the speed contest (top speed against 1): the player attack step follows.
    void winSpeed(kobu::BattleWindow& b) { rollAndStop(b, g().speed.value(), 1); }
    void loseSpeed(kobu::BattleWindow& b) { rollAndStop(b, 1, 5); }
    void drawSpeed(kobu::BattleWindow& b) { rollAndStop(b, 3, 3); }

    QString midiTrack() const { return testing_support::fakeMidi().playing; }
    QString track(const char* name) const { return folder() + "/Midis/" + name; }
};

} // namespace battle_support

namespace battle_support {

// One match of three exchanges against round 1's opponent with 6 HP left:
// the player stops first, then the opponent; a won speed contest and a hit for
// 5, a lost one and a hit taken for 3, a won one and the winning hit for 7.
// What a listener hears of it is the same in either language, word for word
// translated. Money from 100 to 200 G; the allocation window opens.
// `between` runs after each exchange (real time passing, on the bus).
inline void playHeardMatch(kobu::BattleWindow& b, const std::function<void()>& between = {}) {
    kobu::game().opponent.enemyHp = 6;
    auto stopBoth = [&b, &between](int player, int opponent) {
        playerTick(b, player);
        pressStop(b);
        opponentTick(b, opponent, true);
        b.waitTimer->fire();
        if (between)
            between();
    };
    stopBoth(5, 2);
    stopBoth(8, 3);
    stopBoth(1, 5);
    stopBoth(1, 4);
    stopBoth(5, 1);
    stopBoth(8, 1);
}

} // namespace battle_support
