#pragma once
// The town menu: the hub of a game in progress.

#include "platform/Form.h"

class QLabel;
class QPushButton;

namespace kobu {

class Menu : public platform::Form {
    Q_OBJECT
public:
    Menu();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    QLabel* Label1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
};

} // namespace kobu
