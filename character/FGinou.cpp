#include "character/FGinou.h"

#include "battle/Combat.h"
#include "battle/FBattle.h"
#include "battle/Opponent.h"
#include "character/Sutetasu.h"
#include "platform/Controls.h"
#include "platform/Services.h"

#include <QPushButton>

using namespace platform;

namespace kobu {
namespace {

void refuse(const QString& text) {
    MsgBox(text, vbOKOnly | vbExclamation, QStringLiteral("エラー"));
}

bool confirmed(const QString& prompt) {
    return MsgBox(prompt, vbYesNo | vbQuestion, QStringLiteral("確認")) == vbYes;
}

} // namespace

FGinou::FGinou() : Form(QStringLiteral("FGinou")) {
    setCaption(QStringLiteral("技能"));
    setClientSizeTwips(3000, 2400);
    setKeyPreview(true);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("スピードの極意"), 120,
                          120, 2760, 495);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("気合攻撃"), 120, 690,
                          2760, 495);
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("エネルギーブースト"),
                          120, 1260, 2760, 495);
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("ヒール"), 120, 1830,
                          2760, 495);
    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command3, [this] { Command3_Click(); });
    onClick(Command4, [this] { Command4_Click(); });
}

void FGinou::Form_Load() {
    const GameState& g = game();
    // Decided once, from the step the match was in when W opened the window.
    const bool speedContest = g.skillMenuPhase == combat::kSpeedContest;
    const bool opponentRolling = g.enemyRollStopped == 0;
    Command2->setEnabled(opponentRolling && speedContest);
    Command4->setEnabled(opponentRolling && speedContest);
    Command1->setEnabled(speedContest);
    Command3->setEnabled(true);
    // Beside the battle window, so both stay in view.
    if (const FBattle* b = Forms::instance().find<FBattle>())
        setLeftTw(b->leftTw() + b->widthTw());
    setTopTw(0);
}

void FGinou::Form_KeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == 8)
        Forms::instance().unload(this, vbFormCode);
}

void FGinou::Form_Error() {
    // A skill that fails belongs to a match that cannot go on.
    Forms::instance().unload(this, vbFormCode);
    if (Forms::instance().find<FBattle>())
        AbandonMatch();
}

bool FGinou::affordable(const Offer& o) {
    const GameState& g = game();
    if (g.money < o.price && g.*o.learnt == 0) {
        refuse(QStringLiteral("所持金不足"));
        return false;
    }
    // Learnt or not, every use costs hp.
    if (g.hp <= o.refusedAtHp) {
        refuse(QStringLiteral("HP不足"));
        return false;
    }
    return true;
}

void FGinou::offerForSpeedContest(const Offer& o) {
    if (!affordable(o))
        return;
    GameState& g = game();
    if (g.skillMenuPhase == combat::kSpeedContest && g.*o.learnt == 0) {
        if (confirmed(o.buyPrompt)) {
            g.*o.learnt = kTrue;
            g.money = g.money - o.price;
            activate(o.skill);
        }
        return;
    }
    // Asked even when it cannot be used now; only a learnt skill in the speed
    // contest goes into force.
    if (confirmed(o.usePrompt) && g.skillMenuPhase == combat::kSpeedContest && g.*o.learnt != 0)
        activate(o.skill);
}

void FGinou::offerAnytime(const Offer& o) {
    if (!affordable(o))
        return;
    GameState& g = game();
    if (g.*o.learnt == 0) {
        if (confirmed(o.buyPrompt)) {
            g.*o.learnt = kTrue;
            g.money = g.money - o.price;
            activate(o.skill);
        }
        return;
    }
    if (confirmed(o.usePrompt))
        activate(o.skill);
}

void FGinou::activate(int skill) {
    combat::activateSkill(game(), skill);
    RefreshStatus();
    RefreshBattlePanel();
    Forms::instance().unload(this, vbFormCode);
}

void FGinou::Command1_Click() {
    offerForSpeedContest({combat::kSpeedSecret, &GameState::hasSpeedSecret, 450, 4,
                          QStringLiteral("450Gと4HP必要です"),
                          QStringLiteral("You need four HPs.よろしいですか")});
}

void FGinou::Command2_Click() {
    offerForSpeedContest({combat::kSpiritAttack, &GameState::hasSpiritAttack, 400, 5,
                          QStringLiteral("400Gと5HP必要です"),
                          QStringLiteral("You need five HPs.よろしいですか")});
}

void FGinou::Command3_Click() {
    offerAnytime({combat::kEnergyBoost, &GameState::hasEnergyBoost, 1200, 5,
                  QStringLiteral("1200G必要です"), QStringLiteral("よろしいですか")});
}

void FGinou::Command4_Click() {
    offerForSpeedContest({combat::kHeal, &GameState::hasHeal, 600, 1,
                          QStringLiteral("600Gと1HP必要です"),
                          QStringLiteral("You need one HP.よろしいですか")});
}

} // namespace kobu
