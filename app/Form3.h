#pragma once
// The hidden window for secret codes, opened by Page Up in the town menu.

#include "platform/Form.h"
#include "state/I16.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kobu {

class Form3 : public platform::Form {
    Q_OBJECT
public:
    Form3();
    void Command1_Click();
    void Command2_Click();
    void Control_KeyDown(QWidget* control, int& keyCode, int shift) override;

    QLabel* Label1;
    QLineEdit* TUra;
    QPushButton* Command1;
    QPushButton* Command2;

    // Uses of the first code in a row; kept while the window comes and goes.
    static inline i16 firstCodeStreak = 0;
};

} // namespace kobu
