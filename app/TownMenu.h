#pragma once
// The town menu: the hub of a game in progress.

#include "platform/GameWindow.h"

class QLabel;
class QPushButton;

namespace kobu {

class TownMenu : public platform::GameWindow {
    Q_OBJECT
  public:
    TownMenu();
    void retranslate() override;
    void onLoad() override;
    bool canClose(platform::CloseReason reason) override;
    bool onKeyPreview(Qt::Key key, Qt::KeyboardModifiers modifiers) override;
    void onShopClicked();
    void onItemsClicked();
    void onBattleClicked();
    void onSaveClicked();
    void onLoadClicked();

    QLabel* promptLabel;
    QPushButton* shopButton;
    QPushButton* itemsButton;
    QPushButton* battleButton;
    QPushButton* saveButton;
    QPushButton* loadButton;
};

} // namespace kobu
