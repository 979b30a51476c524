// The opponent roster: the record codec, reading a round's record, the table
// tool, and the ten opponents the build ships.
#include "battle/Combat.h"
#include "battle/Opponent.h"
#include "platform/Errors.h"
#include "platform/RecordFile.h"
#include "support/FifoTrap.h"
#include "support/GameTest.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace kobu;
using testing_support::GameTest;

namespace {

OpponentRecord numbered(int n) {
    OpponentRecord r;
    r.enemyReserved = n;
    r.enemyAttackA = 100 + n;
    r.enemyAttackB = 200 + n;
    r.enemyDefenseA = 300 + n;
    r.enemyDefenseB = 400 + n;
    r.enemySpeed = 500 + n;
    r.enemyHp = 600 + n;
    r.enemyRewardPoints = 700 + n;
    r.enemyPrizeMoney = 800 + n;
    return r;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray rosterOf(int count) {
    QByteArray all;
    for (int n = 1; n <= count; ++n)
        all += encodeOpponent(numbered(n));
    return all;
}

const QString kToolPath = QStringLiteral(KOBUSATO_GAME_DIR "/../tools/enemygen/enemygen");
const QString kHeaderLine = QStringLiteral(
    "enemyReserved\tenemyAttackA\tenemyAttackB\tenemyDefenseA\tenemyDefenseB\tenemySpeed\t"
    "enemyHp\tenemyRewardPoints\tenemyPrizeMoney\n");

int runTool(const QString& in, const QString& out) {
    QProcess p;
    p.start(kToolPath, {in, out});
    p.waitForFinished(30000);
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

class RosterTest : public GameTest {};

} // namespace

TEST(OpponentCodec, FieldsAreLittleEndianInFileOrder) {
    OpponentRecord r = numbered(0);
    r.enemyReserved = -2;
    r.enemyPrizeMoney = 0x1234;
    const QByteArray b = encodeOpponent(r);
    ASSERT_EQ(b.size(), kOpponentRecordLength);
    EXPECT_EQ(static_cast<unsigned char>(b[0]), 0xfe);
    EXPECT_EQ(static_cast<unsigned char>(b[1]), 0xff);
    EXPECT_EQ(static_cast<unsigned char>(b[2]), 100); // attack A next
    EXPECT_EQ(static_cast<unsigned char>(b[16]), 0x34);
    EXPECT_EQ(static_cast<unsigned char>(b[17]), 0x12);
    EXPECT_EQ(decodeOpponent(b), r);
    r.enemyAttackA = 32767;
    r.enemyAttackB = -32768;
    EXPECT_EQ(decodeOpponent(encodeOpponent(r)), r);
    EXPECT_THROW(decodeOpponent(QByteArray(17, '\0')), platform::FileError);
}

TEST_F(RosterTest, EachRoundReadsItsOwnRecord) {
    writeFile(folder() + "/Enemy.dat", rosterOf(10));
    g().roundNumber = 1; // offset 0
    loadOpponent();
    EXPECT_EQ(g().opponent, numbered(1));
    g().roundNumber = 10; // offset 162
    GameState expected = g();
    loadOpponent();
    expected.opponent = numbered(10);
    EXPECT_EQ(g(), expected); // nothing else changes
}

namespace {

// The message a match that cannot start shows.
QString refusal() {
    try {
        loadOpponent();
    } catch (const platform::FileError& e) {
        EXPECT_EQ(e.path(), kobu::game().appPath + "/Enemy.dat");
        return e.playerText();
    }
    ADD_FAILURE() << "no error";
    return {};
}

} // namespace

TEST_F(RosterTest, AMissingFileIsAnErrorAndIsNotCreated) {
    g().roundNumber = 1;
    const QString said = refusal();
    // The file is the fault, not round 1's opponent.
    EXPECT_TRUE(said.contains(QStringLiteral("Enemy.dat"))) << said.toStdString();
    EXPECT_TRUE(said.contains(platform::playerText(platform::FileProblem::Missing)))
        << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("第1回戦"))) << said.toStdString();
    EXPECT_FALSE(QFile::exists(folder() + "/Enemy.dat"));
}

TEST_F(RosterTest, AFolderOrAFifoInPlaceOfTheFileIsSaidToBeThat) {
    g().roundNumber = 1;
    const QString path = folder() + "/Enemy.dat";
    ASSERT_TRUE(QDir().mkdir(path));
    QString said = refusal();
    EXPECT_TRUE(said.contains(platform::playerText(platform::FileProblem::Folder)))
        << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("第1回戦"))) << said.toStdString();
    ASSERT_TRUE(QDir().rmdir(path));

    const testing_support::FifoTrap fifo(path);
    ASSERT_TRUE(fifo.made());
    said = refusal();
    EXPECT_TRUE(said.contains(platform::playerText(platform::FileProblem::NotRegular)))
        << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("Enemy.dat"))) << said.toStdString();
    EXPECT_EQ(fifo.readersCaught(), 0);
}

TEST_F(RosterTest, ARosterTooShortForTheRoundIsAnError) {
    writeFile(folder() + "/Enemy.dat", rosterOf(5) + QByteArray(9, '\0'));
    g().roundNumber = 5;
    EXPECT_NO_THROW(loadOpponent());
    for (int round : {6, 11, 0, -3}) {
        g().roundNumber = round;
        g().opponent = OpponentRecord{};
        EXPECT_TRUE(refusal().contains(QStringLiteral("第%1回戦").arg(round))) << round;
        EXPECT_EQ(g().opponent, OpponentRecord{}) << round;
    }
}

// ---- The table tool ------------------------------------------------------------

TEST(EnemyGen, WritesEveryRowWithTheGameCodec) {
    QTemporaryDir dir;
    QString text = QStringLiteral("# a note\n\n") + kHeaderLine;
    for (int n = 1; n <= 10; ++n) {
        const OpponentRecord r = numbered(n);
        text += QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\t%9\n")
                    .arg(r.enemyReserved.value())
                    .arg(r.enemyAttackA.value())
                    .arg(r.enemyAttackB.value())
                    .arg(r.enemyDefenseA.value())
                    .arg(r.enemyDefenseB.value())
                    .arg(r.enemySpeed.value())
                    .arg(r.enemyHp.value())
                    .arg(r.enemyRewardPoints.value())
                    .arg(r.enemyPrizeMoney.value());
    }
    text += QStringLiteral("0\t32767\t-32768\t0\t0\t0\t0\t0\t0\n"); // an eleventh is allowed
    writeFile(dir.path() + "/in.tsv", text.toUtf8());
    ASSERT_EQ(runTool(dir.path() + "/in.tsv", dir.path() + "/out.dat"), 0);
    QFile out(dir.path() + "/out.dat");
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray bytes = out.readAll();
    ASSERT_EQ(bytes.size(), 11 * kOpponentRecordLength);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(decodeOpponent(bytes.mid((n - 1) * 18, 18)), numbered(n)) << n;
    const OpponentRecord last = decodeOpponent(bytes.mid(180, 18));
    EXPECT_EQ(last.enemyAttackA, i16(32767));
    EXPECT_EQ(last.enemyAttackB, i16(-32768));
}

TEST(EnemyGen, RefusesABrokenTableAndWritesNothing) {
    QTemporaryDir dir;
    QString ten;
    for (int n = 0; n < 10; ++n)
        ten += QStringLiteral("0\t9\t2\t5\t1\t6\t9\t4\t60\n");
    const QString broken[] = {
        QStringLiteral("attack\tdefence\n") + ten,                             // wrong header
        kHeaderLine + ten + QStringLiteral("0\t9\t2\n"),                       // short row
        kHeaderLine + ten + QStringLiteral("0\t9\t2\t5\t1\t6\t9\t4\t32768\n"), // out of range
        kHeaderLine + ten + QStringLiteral("0\t9\t2\t5\t1\tfast\t9\t4\t60\n"), // not a number
        kHeaderLine + ten.left(ten.size() / 2),                                // five opponents
    };
    for (const QString& text : broken) {
        writeFile(dir.path() + "/in.tsv", text.toUtf8());
        EXPECT_EQ(runTool(dir.path() + "/in.tsv", dir.path() + "/out.dat"), 1)
            << text.toStdString();
        EXPECT_FALSE(QFile::exists(dir.path() + "/out.dat"));
    }
}

// ---- The shipped opponents ---------------------------------------------------------

namespace {

// One whole match without a window, both sides stopping at random.
bool playHeadless(GameState& g, std::mt19937& gen) {
    auto draw = [&] { return static_cast<float>(gen() >> 8) * (1.0f / 16777216.0f); };
    using namespace combat;
    for (int exchange = 0; exchange < 10000; ++exchange) {
        double p = playerRoll(g, kSpeedContest, draw()).value();
        double e = opponentRoll(g, kSpeedContest, draw()).value();
        const Phase step = judgeSpeedContest(g, p, e).next;
        p = playerRoll(g, step, draw()).value();
        e = opponentRoll(g, step, draw()).value();
        judgeAttackStep(g, p, e);
        endSkillsAfterAttack(g);
        switch (matchOutcome(g)) {
        case Outcome::Lost:
            return false;
        case Outcome::Won:
        case Outcome::Cleared:
            return true;
        case Outcome::Continue:
            break;
        }
    }
    return false;
}

} // namespace

TEST(ShippedOpponents, TenOpponentsWithRollableRanges) {
    const QString path = QStringLiteral(KOBUSATO_GAME_DIR "/Enemy.dat");
    const QByteArray all = platform::readRecords(path, kOpponentRecordLength, kRosterRounds);
    for (int n = 1; n <= kRosterRounds; ++n) {
        const OpponentRecord r = decodeOpponent(all.mid((n - 1) * 18, 18));
        // The opponent's upper ends are never rolled: each must lie above its
        // lower end, or the roll runs backwards.
        EXPECT_GT(r.enemyAttackA, r.enemyAttackB) << n;
        EXPECT_GT(r.enemyDefenseA, r.enemyDefenseB) << n;
        EXPECT_GE(r.enemySpeed, i16(2)) << n;
        EXPECT_GE(r.enemyHp, i16(1)) << n;
        EXPECT_GE(r.enemyRewardPoints, i16(0)) << n;
        EXPECT_GE(r.enemyPrizeMoney, i16(0)) << n;
    }
}

TEST(ShippedOpponents, TheStartCharacterUsuallyWinsRoundOne) {
    const QByteArray first =
        platform::readRecord(QStringLiteral(KOBUSATO_GAME_DIR "/Enemy.dat"), 18, 1);
    std::mt19937 gen(12345);
    int wins = 0;
    const int matches = 4000;
    for (int i = 0; i < matches; ++i) {
        GameState g;
        assignStartValues(g);
        g.opponent = decodeOpponent(first);
        wins += playHeadless(g, gen) ? 1 : 0;
    }
    EXPECT_GT(wins, matches * 6 / 10);
}
