#pragma once
// The skills window, opened by W during a match: four skills, bought for money
// at their first use and paid for in hp at every use. Choosing one puts it in
// force for the current exchange and closes the window.

#include "battle/Combat.h"
#include "platform/GameWindow.h"

#include <QString>

class QPushButton;

namespace kobu {

class SkillsWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    SkillsWindow();
    void retranslate() override;
    void onLoad() override;
    bool onKeyPreview(Qt::Key key, Qt::KeyboardModifiers modifiers) override;
    void onError() override;

    void onSpeedSecretClicked();
    void onSpiritAttackClicked();
    void onEnergyBoostClicked();
    void onHealClicked();

    QPushButton* speedSecretButton;  // Secret of Speed
    QPushButton* spiritAttackButton; // Spirit Attack
    QPushButton* energyBoostButton;  // Energy Boost
    QPushButton* healButton;         // Heal

  private:
    // Buys the skill at its first use, or asks before using it again.
    void offerSkill(combat::Skill skill, const QString& buyPrompt, const QString& usePrompt);
    void activate(combat::Skill skill);
};

} // namespace kobu
