#pragma once
// Recovery item purchase: quantities of three drinks, bought with one total.

#include "platform/GameWindow.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kobu {

// Prices in G, in the order of the rows (and of the boxes Text1(0..2)).
inline constexpr std::array<int, 3> kRecoveryPrices{20, 50, 100};

class RecoveryItemsWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    RecoveryItemsWindow();
    void retranslate() override;
    void onLoad() override;
    void onKeyPreview(int& keyCode, int shift) override;
    void canClose(int& cancel, int unloadMode) override;
    void onOkClicked();
    void onCancelClicked();

    QLabel* promptLabel;
    QLabel* moneyCaption;
    QLabel* moneyValue;
    QWidget* divider;
    QLabel* tapWaterName;
    QLabel* tapWaterPrice;
    QLabel* naturalWaterName;
    QLabel* naturalWaterPrice;
    QLabel* sodaName;
    QLabel* sodaPrice;
    std::array<QLineEdit*, 3> quantityBoxes{};
    QPushButton* okButton;
    QPushButton* cancelButton;
};

} // namespace kobu
