#pragma once
// A menu of the menu bar whose texts follow the game's language: Qt tells
// every widget when the language changes, and the menu then says its texts
// again in the new one.

#include <QEvent>
#include <QMenu>

namespace platform {

class RetranslatedMenu : public QMenu {
  public:
    using QMenu::QMenu;

  protected:
    virtual void retranslate() = 0;

    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::LanguageChange)
            retranslate();
        QMenu::changeEvent(e);
    }
};

} // namespace platform
