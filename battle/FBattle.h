#pragma once
// The battle window: one match of the tournament. Two rolls run on screen,
// "Stop!" stops the player's, chance stops the opponent's, and each exchange is
// judged by the rules of battle/Combat.h on exactly the numbers shown.

#include "platform/Form.h"
#include "state/I16.h"

#include <cstdint>

class QLabel;
class QPushButton;

namespace kobu {

class FBattle : public platform::Form {
    Q_OBJECT
  public:
    FBattle();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_Error() override;

    void Command1_Click();
    void TimerBa_Timer();
    void TimerE_Timer();
    void TimerTaiki_Timer();

    // Judges the exchange once both rolls stand.
    void ResolveExchange();
    void StartPlayerAttack();
    void StartMutualAttack();
    void StartOpponentAttack();

    QLabel* MyNa;
    QLabel* BaHP;
    QLabel* BaKouA;
    QLabel* BaKouB;
    QLabel* BaBouA;
    QLabel* BaBouB;
    QLabel* BaSpeed;
    QLabel* EHP;
    QLabel* EKouA;
    QLabel* EKouB;
    QLabel* EBouA;
    QLabel* EBouB;
    QLabel* ESpeed;
    QLabel* BaSai;
    QLabel* ESai;
    QLabel* LaMsg;
    QPushButton* Command1;
    QLabel* Label7;
    QLabel* Label2;
    platform::Timer* TimerBa;
    platform::Timer* TimerE;
    platform::Timer* TimerTaiki;

    i16 phase = 0;
    i16 firstSpeedRoll = 0;

    // Ticks handled since the load (the benchmark reads them).
    std::uint64_t ticksBa = 0;
    std::uint64_t ticksE = 0;

  private:
    void checkOutcome();
    void refreshBoth();
};

// Gives up the running match after a run-time error: the skill in force ends,
// the battle and skills windows close, the town menu and its music come back.
void AbandonMatch();

} // namespace kobu
