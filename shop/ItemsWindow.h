#pragma once
// Item use: the recovery items bought in the shop restore hit points.

#include "platform/GameWindow.h"

class QLabel;
class QPushButton;

namespace kobu {

class ItemsWindow : public platform::GameWindow {
    Q_OBJECT
  public:
    ItemsWindow();
    void retranslate() override;
    void onLoad() override;
    void onActivate() override;
    bool onKeyPreview(Qt::Key key, Qt::KeyboardModifiers modifiers) override;
    bool canClose(platform::CloseReason reason) override;
    void onUseTapWater();
    void onUseNaturalWater();
    void onUseSoda();
    void onBackClicked();
    // Counts into the labels, each button enabled while its count is not 0.
    void refreshCounts();

    QLabel* tapWaterName;
    QLabel* tapWaterLeft;
    QLabel* tapWaterUnit;
    QPushButton* useTapWaterButton;
    QLabel* naturalWaterName;
    QLabel* naturalWaterLeft;
    QLabel* naturalWaterUnit;
    QPushButton* useNaturalWaterButton;
    QLabel* sodaName;
    QLabel* sodaLeft;
    QLabel* sodaUnit;
    QPushButton* useSodaButton;
    QPushButton* backButton;
};

} // namespace kobu
