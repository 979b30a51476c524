#pragma once
// The status window: the player's values beside every other screen.

#include "platform/GameWindow.h"

class QLabel;
class QWidget;

namespace kobu {

class StatusWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    StatusWindow();
    void retranslate() override;
    void onLoad() override;
    bool canClose(platform::CloseReason reason) override;
    // The player's values as the game holds them now.
    void showState();

    QLabel* nameValue;
    QLabel* hpValue;
    QLabel* maxHpValue;
    QLabel* attackAValue;
    QLabel* attackBValue;
    QLabel* defenseAValue;
    QLabel* defenseBValue;
    QLabel* moneyValue;
    QLabel* speedValue;
    QLabel* weaponValue;
    QLabel* armourValue;
    QLabel* hpCaption;
};

// Copies the shown values of the game state into the status window, loading
// it (in its corner) when it is not open.
void refreshStatus();

// Tells the screen reader the money the status window now shows, or all of
// the player's values (after a skill changes several at once).
void announceMoney(QWidget* source);
void announcePlayerValues(QWidget* source);

} // namespace kobu
