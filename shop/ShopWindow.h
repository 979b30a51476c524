#pragma once
// The shop: weapon and armour upgrades, and the doors to the two item windows.

#include "platform/GameWindow.h"
#include "shop/Upgrades.h"

class QPushButton;

namespace kobu {

class ShopWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    ShopWindow();
    void retranslate() override;
    bool onKeyPreview(Qt::Key key, Qt::KeyboardModifiers modifiers) override;
    bool canClose(platform::CloseReason reason) override;
    void onWeaponClicked();
    void onRecoveryClicked();
    void onPowerUpClicked();
    void onArmourClicked();
    void onBackClicked();

    // One level up from the weapon or armour table, after the limit, money and
    // confirmation checks.
    void buyUpgrade(UpgradeKind kind);

    QPushButton* weaponButton;
    QPushButton* armourButton;
    QPushButton* recoveryButton;
    QPushButton* powerUpButton;
    QPushButton* backButton;
};

} // namespace kobu
