#pragma once
// The skills window, opened by W during a match: four skills, bought for money
// at their first use and paid for in hp at every use. Choosing one puts it in
// force for the current exchange and closes the window.

#include "platform/Form.h"
#include "state/GameState.h"

#include <QString>

class QPushButton;

namespace kobu {

class FGinou : public platform::Form {
    Q_OBJECT
  public:
    FGinou();
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_Error() override;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    QPushButton* Command1; // Secret of Speed
    QPushButton* Command2; // Spirit Attack
    QPushButton* Command3; // Energy Boost
    QPushButton* Command4; // Heal

  private:
    struct Offer {
        int skill;
        i16 GameState::*learnt;
        int price;
        int refusedAtHp; // "HP不足" when hp is at most this
        QString buyPrompt;
        QString usePrompt;
    };
    // Secret of Speed, Spirit Attack and Heal: only in the speed contest.
    void offerForSpeedContest(const Offer& o);
    // Energy Boost: in any step.
    void offerAnytime(const Offer& o);
    bool affordable(const Offer& o);
    void activate(int skill);
};

} // namespace kobu
