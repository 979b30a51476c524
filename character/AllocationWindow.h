#pragma once
// Ability allocation after a won match: the beaten opponent's reward points are
// spread over six abilities, one point per mouse press, within the limits and
// pair rules of each row, and confirmed with OK.

#include "platform/GameWindow.h"
#include "state/GameState.h"

#include <QString>

class QLabel;
class QPushButton;

namespace platform {
class MousePressButton;
}

namespace kobu {

class AllocationWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    AllocationWindow();
    void retranslate() override;
    void onLoad() override;
    void canClose(int& cancel, int unloadMode) override;

    void onHpPressed(int button, int shift);
    void onAttackAPressed(int button, int shift);
    void onAttackBPressed(int button, int shift);
    void onDefenseAPressed(int button, int shift);
    void onDefenseBPressed(int button, int shift);
    void onSpeedPressed(int button, int shift);
    void onOkClicked();

    QLabel* abilityHeader;
    QLabel* currentHeader;
    QLabel* resultHeader;
    QLabel* howToText;
    QLabel* howToTitle;
    QLabel* pointsCaption;
    QLabel* currentHp;
    QLabel* currentAttackA;
    QLabel* currentAttackB;
    QLabel* currentDefenseA;
    QLabel* currentDefenseB;
    QLabel* currentSpeed;
    QLabel* resultHp;
    QLabel* resultAttackA;
    QLabel* resultAttackB;
    QLabel* resultDefenseA;
    QLabel* resultDefenseB;
    QLabel* resultSpeed;
    platform::MousePressButton* hpButton;
    platform::MousePressButton* attackAButton;
    platform::MousePressButton* attackBButton;
    platform::MousePressButton* defenseAButton;
    platform::MousePressButton* defenseBButton;
    platform::MousePressButton* speedButton;
    QLabel* pointsLeft;
    QPushButton* okButton;

    // Net points spent since the load.
    i16 pointsUsed = 0;

  private:
    // How a row's press is checked: A rows refuse a right press that narrows
    // the gap to their B row, B rows a left press; A rows check the pair before
    // the limit, B rows after it.
    enum class Pair { None, LowerA, RaiseB };
    struct Row {
        QLabel* now;
        QLabel* ato;
        QLabel* partnerAto; // the other value of the pair, or nullptr
        i16 GameState::*field;
        int limit; // refused once the result is above it; < 0 for none
        Pair pair;
        QString pairText;
    };
    void pressRow(const Row& row, int button);
    bool pairRefuses(const Row& row, int button) const;
    void showRemaining();
};

} // namespace kobu
