#pragma once
// Name entry: begins every game.

#include "platform/GameWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kobu {

class NameEntryWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    NameEntryWindow();
    void retranslate() override;
    void onOkClicked();

    QLabel* promptLabel;
    QLabel* limitLabel;
    QLineEdit* nameBox;
    QPushButton* okButton;
};

} // namespace kobu
