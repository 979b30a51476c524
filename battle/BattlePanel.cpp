// The opponent panel refresh lives apart from the roster codec, so the table
// tool can link the codec without the windows.
#include "battle/FBattle.h"
#include "battle/Opponent.h"

#include <QLabel>

namespace kobu {

void RefreshBattlePanel() {
    FBattle* b = platform::Forms::instance().find<FBattle>();
    if (!b)
        return;
    const GameState& g = game();
    const OpponentRecord& o = g.opponent;
    b->BaBouB->setText(g.defenseB.str());
    b->BaBouA->setText(g.defenseA.str());
    b->BaKouA->setText(g.attackA.str());
    b->BaKouB->setText(g.attackB.str());
    b->BaSpeed->setText(g.speed.str());
    b->EBouA->setText(o.enemyDefenseA.str());
    b->EBouB->setText(o.enemyDefenseB.str());
    b->EKouA->setText(o.enemyAttackA.str());
    b->EKouB->setText(o.enemyAttackB.str());
    b->ESpeed->setText(o.enemySpeed.str());
    b->EHP->setText(o.enemyHp.str());
    b->BaHP->setText(g.hp.str());
}

} // namespace kobu
