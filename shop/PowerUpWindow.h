#pragma once
// Power-up items: permanent raises of the abilities, five in a game.

#include "platform/GameWindow.h"
#include "state/GameState.h"

#include <array>

class QLabel;
class QPushButton;

namespace kobu {

class PowerUpWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    PowerUpWindow();
    void retranslate() override;
    void onLoad() override;
    bool onKeyPreview(Qt::Key key, Qt::KeyboardModifiers modifiers) override;
    bool canClose(platform::CloseReason reason) override;
    void onItemClicked(int index);
    void onBackClicked();

    QLabel* picture;
    QLabel* promptLabel;
    std::array<QPushButton*, 3> itemButtons{};
    QLabel* moneyCaption;
    QLabel* moneyValue;
    QPushButton* backButton;
};

} // namespace kobu
