#pragma once
// The battle window: one match of the tournament. Two rolls run on screen,
// "Stop!" stops the player's, chance stops the opponent's, and each exchange is
// judged by the rules of battle/Combat.h on exactly the numbers shown.

#include "platform/GameWindow.h"
#include "state/I16.h"

#include <QString>
#include <QStringList>
#include <cstdint>

class QLabel;
class QPushButton;

namespace kobu {

class BattleWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    BattleWindow();
    void retranslate() override;
    void onLoad() override;
    void canClose(int& cancel, int unloadMode) override;
    void onKeyPreview(int& keyCode, int shift) override;
    void onError() override;

    void onStopClicked();
    void onPlayerRollTick();
    void onOpponentRollTick();
    void onWaitTick();

    // Judges the exchange once both rolls stand.
    void resolveExchange();
    void startPlayerAttack();
    void startMutualAttack();
    void startOpponentAttack();

    QLabel* playerName;
    QLabel* playerHp;
    QLabel* playerAttackA;
    QLabel* playerAttackB;
    QLabel* playerDefenseA;
    QLabel* playerDefenseB;
    QLabel* playerSpeed;
    QLabel* opponentHp;
    QLabel* opponentAttackA;
    QLabel* opponentAttackB;
    QLabel* opponentDefenseA;
    QLabel* opponentDefenseB;
    QLabel* opponentSpeed;
    QLabel* playerRoll;
    QLabel* opponentRoll;
    QLabel* messageLabel;
    QPushButton* stopButton;
    QLabel* skillsHint;
    QLabel* opponentCaption;
    platform::Timer* playerRollTimer;
    platform::Timer* opponentRollTimer;
    platform::Timer* waitTimer;

    i16 phase = 0;
    i16 firstSpeedRoll = 0;

    // Ticks handled since the load (the benchmark reads them).
    std::uint64_t playerTicks = 0;
    std::uint64_t opponentTicks = 0;

  private:
    // The message line: its source text and the numbers that go into it,
    // kept so that a change of language shows it again.
    void showMessage(const QString& source, const QStringList& numbers = {});
    void showMessageText();
    QString messageSource;
    QStringList messageNumbers;
    QString shownRound; // in the title once the match has loaded

    void checkOutcome();
    void refreshBoth();
};

// Gives up the running match after a run-time error: the skill in force ends,
// the battle and skills windows close, the town menu and its music come back.
void abandonMatch();

} // namespace kobu
