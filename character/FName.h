#pragma once
// Name entry: begins every game.

#include "platform/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kobu {

class FName : public platform::Form {
    Q_OBJECT
public:
    FName();
    void Command1_Click();

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* TtName;
    QPushButton* Command1;
};

} // namespace kobu
