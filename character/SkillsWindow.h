#pragma once
// The skills window, opened by W during a match: four skills, bought for money
// at their first use and paid for in hp at every use. Choosing one puts it in
// force for the current exchange and closes the window.

#include "platform/GameWindow.h"
#include "state/GameState.h"

#include <QString>

class QPushButton;

namespace kobu {

class SkillsWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    SkillsWindow();
    void retranslate() override;
    void onLoad() override;
    void onKeyPreview(int& keyCode, int shift) override;
    void onError() override;

    void onSpeedSecretClicked();
    void onSpiritAttackClicked();
    void onEnergyBoostClicked();
    void onHealClicked();

    QPushButton* speedSecretButton; // Secret of Speed
    QPushButton* spiritAttackButton; // Spirit Attack
    QPushButton* energyBoostButton; // Energy Boost
    QPushButton* healButton; // Heal

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
