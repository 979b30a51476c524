// The opponent panel refresh lives apart from the roster codec, so the table
// tool can link the codec without the windows.
#include "battle/BattleWindow.h"
#include "battle/Opponent.h"

#include <QLabel>

namespace kobu {

void refreshBattlePanel() {
    BattleWindow* b = platform::Windows::instance().find<BattleWindow>();
    if (!b)
        return;
    const GameState& g = game();
    const OpponentRecord& o = g.opponent;
    b->playerDefenseB->setText(g.defenseB.str());
    b->playerDefenseA->setText(g.defenseA.str());
    b->playerAttackA->setText(g.attackA.str());
    b->playerAttackB->setText(g.attackB.str());
    b->playerSpeed->setText(g.speed.str());
    b->opponentDefenseA->setText(o.enemyDefenseA.str());
    b->opponentDefenseB->setText(o.enemyDefenseB.str());
    b->opponentAttackA->setText(o.enemyAttackA.str());
    b->opponentAttackB->setText(o.enemyAttackB.str());
    b->opponentSpeed->setText(o.enemySpeed.str());
    b->opponentHp->setText(o.enemyHp.str());
    b->playerHp->setText(g.hp.str());
}

} // namespace kobu
