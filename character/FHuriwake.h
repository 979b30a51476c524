#pragma once
// Ability allocation after a won match: the beaten opponent's reward points are
// spread over six abilities, one point per mouse press, within the limits and
// pair rules of each row, and confirmed with OK.

#include "platform/Form.h"
#include "state/GameState.h"

#include <QString>

class QLabel;
class QPushButton;

namespace platform {
class MouseButton;
}

namespace kobu {

class FHuriwake : public platform::Form {
    Q_OBJECT
  public:
    FHuriwake();
    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    void HPUP_MouseDown(int button, int shift);
    void AAUP_MouseDown(int button, int shift);
    void ABUP_MouseDown(int button, int shift);
    void DAUP_MouseDown(int button, int shift);
    void DBUP_MouseDown(int button, int shift);
    void SPUP_MouseDown(int button, int shift);
    void OK_Click();

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* Label3;
    QLabel* Label5;
    QLabel* Label17;
    QLabel* NowHP;
    QLabel* NowAA;
    QLabel* NowAB;
    QLabel* NowDA;
    QLabel* NowDB;
    QLabel* NowSP;
    QLabel* AtoHP;
    QLabel* AtoAA;
    QLabel* AtoAB;
    QLabel* AtoDA;
    QLabel* AtoDB;
    QLabel* AtoSP;
    platform::MouseButton* HPUP;
    platform::MouseButton* AAUP;
    platform::MouseButton* ABUP;
    platform::MouseButton* DAUP;
    platform::MouseButton* DBUP;
    platform::MouseButton* SPUP;
    QLabel* Huriwake;
    QPushButton* OK;

    // Net points spent since the load.
    i16 pointsUsed = 0;

  private:
    // How a row's press is checked: A rows refuse a right press that narrows
    // the gap to their B row, B rows a left press; A rows check the pair before
    // the limit, B rows after it.
    enum class Pair { None, LowerA, RaiseB };
    struct Row {
        QLabel* now;
        QLabel* ato;
        QLabel* partnerAto; // the other value of the pair, or nullptr
        i16 GameState::*field;
        int limit; // refused once the result is above it; < 0 for none
        Pair pair;
        QString pairText;
    };
    void pressRow(const Row& row, int button);
    bool pairRefuses(const Row& row, int button) const;
    void showRemaining();
};

} // namespace kobu
