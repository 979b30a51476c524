#pragma once
// Recovery item purchase: quantities of three drinks, bought with one total.

#include "platform/GameWindow.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kobu {

class RecoveryItemsWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    RecoveryItemsWindow();
    void retranslate() override;
    void onLoad() override;
    bool onKeyPreview(Qt::Key key, Qt::KeyboardModifiers modifiers) override;
    bool canClose(platform::CloseReason reason) override;
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
