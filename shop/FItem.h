#pragma once
// Item use: the recovery items bought in the shop restore hit points.

#include "platform/Form.h"

class QLabel;
class QPushButton;

namespace kobu {

class FItem : public platform::Form {
    Q_OBJECT
  public:
    FItem();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    // Counts into the labels, each button enabled while its count is not 0.
    void RefreshItemWindow();

    QLabel* Label1;
    QLabel* LaItem1;
    QLabel* Label3;
    QPushButton* Command1;
    QLabel* Label4;
    QLabel* LaItem2;
    QLabel* Label11;
    QPushButton* Command2;
    QLabel* Label9;
    QLabel* LaItem3;
    QLabel* Label10;
    QPushButton* Command3;
    QPushButton* Command4;
};

} // namespace kobu
