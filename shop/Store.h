#pragma once
// The shop: weapon and armour upgrades, and the doors to the two item windows.

#include "platform/Form.h"

class QPushButton;

namespace kobu {

enum class UpgradeKind { Weapon, Armour };

class Store : public platform::Form {
    Q_OBJECT
  public:
    Store();
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    // One level up from the weapon or armour table, after the limit, money and
    // confirmation checks.
    void BuyUpgrade(UpgradeKind kind);

    QPushButton* Command1;
    QPushButton* Command4;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command5;
};

} // namespace kobu
