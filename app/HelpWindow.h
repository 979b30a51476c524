#pragma once
// How to play: the guide (assets/help/how_to_play.md) in the game's language,
// opened from the Help menu or with F1, over whatever screen is showing.

#include "platform/GameWindow.h"

class QPushButton;
class QTextBrowser;

namespace kobu {

class HelpWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    HelpWindow();
    void onLoad() override;
    void retranslate() override;

    QTextBrowser* guide;
    QPushButton* closeButton;
};

} // namespace kobu
