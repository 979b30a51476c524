#pragma once
// Recovery item purchase: quantities of three drinks, bought with one total.

#include "platform/Form.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kobu {

// Prices in G, in the order of the rows (and of the boxes Text1(0..2)).
inline constexpr std::array<int, 3> kRecoveryPrices{20, 50, 100};

class Kaifuku : public platform::Form {
    Q_OBJECT
  public:
    Kaifuku();
    void Form_Load() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Command1_Click();
    void Command2_Click();

    QLabel* Label1;
    QLabel* Label8;
    QLabel* LaShojikin;
    QWidget* Line1;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* Label4;
    QLabel* Label6;
    QLabel* Label3;
    QLabel* Label7;
    std::array<QLineEdit*, 3> Text1{};
    QPushButton* Command1;
    QPushButton* Command2;
};

} // namespace kobu
