#pragma once
// The status window: the player's values beside every other screen.

#include "platform/Form.h"

class QLabel;

namespace kobu {

class Sutetasu : public platform::Form {
    Q_OBJECT
public:
    Sutetasu();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    QLabel* LaName;
    QLabel* LaHP;
    QLabel* LaHHp;
    QLabel* LaKoua;
    QLabel* LaKoub;
    QLabel* LaBoua;
    QLabel* LaBoub;
    QLabel* LaKane;
    QLabel* LaSpeed;
    QLabel* LaBuki;
    QLabel* LaBougu;
    QLabel* Label1;
};

// Copies the shown values of the game state into the status window, loading
// it (in its corner) when it is not open.
void RefreshStatus();

} // namespace kobu
