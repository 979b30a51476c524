#pragma once
// Power-up items: permanent raises of the abilities, five in a game.

#include "platform/Form.h"
#include "state/GameState.h"

#include <array>

class QLabel;
class QPushButton;

namespace kobu {

inline constexpr int POWERUP_PRICE = 400;
inline constexpr int POWERUP_LIMIT = 5;

// Item `index` taken: its raise (0 max HP +3, 1 both attacks +1, 2 both
// defences +1), one more power-up used, the price paid. `hp` is not touched.
void ApplyPowerUp(GameState& g, int index);

class Power : public platform::Form {
    Q_OBJECT
  public:
    Power();
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Command1_Click(int index);
    void Command2_Click();

    QLabel* Image1;
    QLabel* Label2;
    std::array<QPushButton*, 3> Command1{};
    QLabel* Label3;
    QLabel* Money;
    QPushButton* Command2;
};

} // namespace kobu
