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
    bool canClose(platform::CloseReason reason) override;
    bool onKeyPreview(Qt::Key key, Qt::KeyboardModifiers modifiers) override;
    void onError() override;

    void onStopClicked();
    void onPlayerRollTick();
    void onOpponentRollTick();
    void onWaitTick();

    // Both fighters' values into the panel, in the order it has always been
    // filled.
    void showPanel();

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
    // The numbers the two rolls show, which the exchange is judged on. Before
    // the first tick the rolls show their design caption, which has always
    // counted as 0.
    i16 playerShown = 0;
    i16 opponentShown = 0;

    // Ticks handled since the load (the benchmark reads them).
    std::uint64_t playerTicks = 0;
    std::uint64_t opponentTicks = 0;

  private:
    // The message line: its source text and the numbers that go into it,
    // kept so that a change of language shows it again. What is shown is
    // announced, followed by `spokenAfter` (what the player sees elsewhere).
    void showMessage(const QString& source, const QStringList& numbers = {},
                     const QString& spokenAfter = {});
    void announceHp();
    void showMessageText();
    QString messageSource;
    QStringList messageNumbers;
    QString shownRound; // in the title once the match has loaded

    void checkOutcome();
    void refreshBoth();
    void showPlayerRoll(i16 v);
    void showOpponentRoll(i16 v);
};

// The running match's panel shows the fighters' values again; nothing when no
// match is open.
void refreshBattlePanel();

} // namespace kobu
