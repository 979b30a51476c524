// A whole tournament through the real windows, with scripted rolls: name
// entry, ten matches each followed by an allocation, the ending, Yes, and a
// fresh name entry.
#include "app/TownMenu.h"
#include "battle/BattleSupport.h"
#include "character/AllocationWindow.h"
#include "character/NameEntryWindow.h"
#include "character/StatusWindow.h"
#include "media/EndingWindow.h"
#include "platform/Controls.h"
#include "platform/RecordFile.h"
#include "platform/Services.h"
#include "support/GameTest.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

using namespace kobu;
using namespace platform;
using namespace testing_support;
using namespace battle_support;

namespace {

class TournamentTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        copyFromGame(QStringLiteral("Enemy.dat"));
        copyEndingPictures(folder());
    }

    void enterName(const QString& name) {
        NameEntryWindow* f = find<NameEntryWindow>();
        ASSERT_NE(f, nullptr);
        // Typed as an input method delivers it: one character per key event.
        for (const QChar c : name)
            QTest::sendKeyEvent(QTest::Click, f->nameBox, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        QTest::mouseClick(f->okButton, Qt::LeftButton);
        ASSERT_EQ(find<NameEntryWindow>(), nullptr);
    }

    // Wins every exchange: the fastest speed against the opponent's slowest,
    // the strongest attack against its weakest defence.
    void winMatch(int round) {
        QTest::mouseClick(find<TownMenu>()->battleButton, Qt::LeftButton);
        BattleWindow* b = find<BattleWindow>();
        ASSERT_NE(b, nullptr) << round;
        EXPECT_EQ(b->title(), QStringLiteral("%1回戦").arg(round));
        EXPECT_EQ(fakeMidi().playing, folder() + "/Midis/Battle.mid");
        tame(*b);
        const OpponentRecord o = g().opponent;
        const OpponentRecord file = decodeOpponent(
            platform::readRecord(folder() + "/Enemy.dat", kOpponentRecordLength, round));
        EXPECT_EQ(o, file) << round;
        for (int exchange = 0; exchange < 100 && find<BattleWindow>(); ++exchange) {
            rollAndStop(*b, g().speed.value(), 1);
            ASSERT_EQ(b->phase, i16(combat::kPlayerAttack));
            rollAndStop(*b, g().attackA.value(), o.enemyDefenseB.value());
        }
        ASSERT_EQ(find<BattleWindow>(), nullptr) << "round " << round << " never ended";
    }

    // Spends every point, alternately on attack A and on the maximum HP.
    void allocate(int round) {
        AllocationWindow* w = find<AllocationWindow>();
        ASSERT_NE(w, nullptr) << round;
        const int points = g().abilityPoints.value();
        EXPECT_EQ(w->pointsLeft->text(), QString::number(points));
        const i16 attackBefore = g().attackA;
        const i16 maxHpBefore = g().maxHp;
        for (int i = 0; i < points; ++i)
            QTest::mouseClick(i % 2 == 0 ? w->attackAButton : w->hpButton, Qt::LeftButton);
        EXPECT_EQ(w->pointsLeft->text(), QStringLiteral("0"));
        fakeBoxes().expect(QStringLiteral("これでよろしいですか？"), Answer::Yes);
        QTest::mouseClick(w->okButton, Qt::LeftButton);
        EXPECT_EQ(g().attackA, attackBefore + i16((points + 1) / 2));
        EXPECT_EQ(g().maxHp, maxHpBefore + i16(points / 2));
        EXPECT_EQ(find<AllocationWindow>(), nullptr);
        EXPECT_TRUE(find<TownMenu>()->isShown());
        EXPECT_EQ(fakeMidi().playing, folder() + "/Midis/Normal.mid");
    }
};

} // namespace

TEST_F(TournamentTest, FromNameEntryThroughTenRoundsToANewGame) {
    fakeBoxes().autoOk = true; // the win messages; every question is scripted
    frame->newAction()->trigger();
    enterName(QStringLiteral("たろう"));
    EXPECT_EQ(g().playerName, QStringLiteral("たろう"));
    ASSERT_NE(find<TownMenu>(), nullptr);
    EXPECT_EQ(find<StatusWindow>()->nameValue->text(), QStringLiteral("たろう"));
    EXPECT_EQ(fakeMidi().playing, folder() + "/Midis/Normal.mid");

    int prizes = 0;
    for (int round = 1; round <= 9; ++round) {
        winMatch(round);
        EXPECT_EQ(g().roundNumber, i16(round + 1));
        prizes += g().opponent.enemyPrizeMoney.value();
        EXPECT_EQ(g().abilityPoints, g().opponent.enemyRewardPoints);
        allocate(round);
    }
    EXPECT_EQ(g().money, i16(100 + prizes));
    EXPECT_EQ(find<StatusWindow>()->moneyValue->text(), QString::number(100 + prizes));

    EndingAnswer ending;
    ending.arm(Answer::Yes);
    winMatch(10);
    EXPECT_EQ(find<EndingWindow>(), nullptr);
    const QStringList texts = fakeBoxes().texts();
    ASSERT_GE(texts.size(), 2);
    const qsizetype clear = texts.lastIndexOf(QStringLiteral("ゲームクリアー"));
    ASSERT_GT(clear, 0);
    EXPECT_EQ(texts[clear - 1], QStringLiteral("あなたの勝利です♪"));
    EXPECT_EQ(texts.count(QStringLiteral("あなたの勝利です♪")), 10);
    EXPECT_EQ(texts.count(QStringLiteral("これでよろしいですか？")), 9);
    if (!ending.asked) {
        // The ending's question is not in place yet: do what its Yes does.
        resetGame();
        forms().show<NameEntryWindow>();
    } else {
        EXPECT_EQ(texts.back(), QStringLiteral("もう一度しますか"));
    }

    // Yes: a new game from a fresh name entry.
    EXPECT_TRUE(g().playerName.isEmpty());
    EXPECT_EQ(g().roundNumber, i16(1));
    enterName(QStringLiteral("はなこ"));
    EXPECT_EQ(g().playerName, QStringLiteral("はなこ"));
    EXPECT_EQ(g().money, i16(100));
    EXPECT_EQ(g().attackA, i16(8));
    EXPECT_TRUE(find<TownMenu>()->isShown());
    EXPECT_EQ(fakeMidi().playing, folder() + "/Midis/Normal.mid");
    // The next match is round 1 again.
    QTest::mouseClick(find<TownMenu>()->battleButton, Qt::LeftButton);
    ASSERT_NE(find<BattleWindow>(), nullptr);
    tame(*find<BattleWindow>());
    EXPECT_EQ(find<BattleWindow>()->title(), QStringLiteral("1回戦"));
}
