#pragma once
// Ability allocation after a won match: the beaten opponent's reward points are
// spread over six abilities, one point per mouse press, within the limits and
// pair rules of each row, and confirmed with OK. The keyboard does the same:
// up and down choose a row, right (or plus) raises it, left (or minus) takes a
// raise back, Enter confirms.

#include "character/Allocation.h"
#include "platform/GameWindow.h"

class QLabel;
class QPushButton;

namespace platform {
class MousePressButton;
}

namespace kobu {

class AllocationWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    AllocationWindow();
    void retranslate() override;
    void onLoad() override;
    bool canClose(platform::CloseReason reason) override;

    bool onControlKey(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers) override;

    void onRowPressed(allocation::Row row, Qt::MouseButton button);
    void onOkClicked();

    QLabel* abilityHeader;
    QLabel* currentHeader;
    QLabel* resultHeader;
    QLabel* howToText;
    QLabel* howToTitle;
    QLabel* pointsCaption;
    QLabel* currentHp;
    QLabel* currentAttackA;
    QLabel* currentAttackB;
    QLabel* currentDefenseA;
    QLabel* currentDefenseB;
    QLabel* currentSpeed;
    QLabel* resultHp;
    QLabel* resultAttackA;
    QLabel* resultAttackB;
    QLabel* resultDefenseA;
    QLabel* resultDefenseB;
    QLabel* resultSpeed;
    platform::MousePressButton* hpButton;
    platform::MousePressButton* attackAButton;
    platform::MousePressButton* attackBButton;
    platform::MousePressButton* defenseAButton;
    platform::MousePressButton* defenseBButton;
    platform::MousePressButton* speedButton;
    QLabel* pointsLeft;
    QPushButton* okButton;

    // The abilities being worked out; the labels show it.
    allocation::Draft draft;

  private:
    void showDraft();
    platform::MousePressButton* rowButton(allocation::Row row) const;
};

} // namespace kobu
