#pragma once
// The hidden window for secret codes, opened by Page Up in the town menu.

#include "platform/GameWindow.h"
#include "state/I16.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kobu {

class SecretCodeWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    SecretCodeWindow();
    void retranslate() override;
    void onOkClicked();
    void onBackClicked();
    bool onControlKey(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers) override;

    QLabel* promptLabel;
    QLineEdit* codeBox;
    QPushButton* okButton;
    QPushButton* backButton;

    // Uses of the first code in a row; kept while the window comes and goes.
    static inline i16 firstCodeStreak = 0;
};

} // namespace kobu
