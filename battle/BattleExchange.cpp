// The battle window's exchange: judging the two stopped rolls, and the steps
// that follow (the next attack, or the end of the match).
#include "app/Navigation.h"
#include "battle/BattleWindow.h"
#include "battle/Combat.h"
#include "character/StatusWindow.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QLabel>

using namespace platform;

namespace kobu {

void BattleWindow::resolveExchange() {
    GameState& g = game();
    waitTimer->setEnabled(false);
    g.enemyRollStopped = kFalse;
    const int step = phase.value();
    if (step == combat::kSpeedContest) {
        if (combat::isFirstOfTwoSpeedRolls(g)) {
            // Secret of Speed: keep this roll and let both sides roll again.
            firstSpeedRoll = combat::keepFirstSpeedRoll(g, double(playerShown.value()));
            showMessage(QStringLiteral(QT_TR_NOOP("1回目%1")), {firstSpeedRoll.str()});
            playerRollTimer->setEnabled(true);
            opponentRollTimer->setEnabled(true);
            return;
        }
        if (g.activeSkill == combat::kSpeedSecret) {
            // A line feed alone: a carriage return after it would stay in the
            // label and draw as a blank at the start of the second line.
            showMessage(QStringLiteral(QT_TR_NOOP("1回目%1\n2回目%2")),
                        {firstSpeedRoll.str(), playerRoll->text()});
            pauseFor(1000);
            const double second = double(playerShown.value());
            const double standing = combat::settleSpeedRolls(g, second, firstSpeedRoll);
            if (standing != second)
                showPlayerRoll(firstSpeedRoll);
        }
        const combat::SpeedVerdict v = combat::judgeSpeedContest(g, double(playerShown.value()),
                                                                 double(opponentShown.value()));
        showMessage(v.message);
        if (v.refresh)
            refreshBoth();
        switch (v.next) {
        case combat::kPlayerAttack:
            startPlayerAttack();
            break;
        case combat::kOpponentAttack:
            startOpponentAttack();
            break;
        default:
            startMutualAttack();
            break;
        }
        return;
    }
    if (!combat::isPhase(step))
        return;
    const i16 hpBefore = g.hp;
    const i16 opponentHpBefore = g.opponent.enemyHp;
    const combat::AttackVerdict v =
        combat::judgeAttackStep(g, double(playerShown.value()), double(opponentShown.value()));
    // What the two HP show beside the message, said with it. Plain ints: the
    // difference of two 16-bit HP need not fit in 16 bits.
    const int dealt = opponentHpBefore.value() - g.opponent.enemyHp.value();
    const int taken = hpBefore.value() - g.hp.value();
    QString change;
    if (dealt > 0)
        change = tr("相手に%1のダメージ").arg(dealt);
    else if (taken > 0)
        change = tr("あなたに%1のダメージ").arg(taken);
    else if (taken < 0)
        change = tr("HPが%1回復").arg(-taken);
    showMessage(v.message, {}, change);
    refreshBoth();
    if (combat::endSkillsAfterAttack(g))
        refreshBoth();
    announceHp();
    checkOutcome();
}

// While a pause lasts the player sees the message beside the two rolls it was
// judged on; the next step's starting value is written when the pause ends.
// Nothing is handled during a pause, so what is judged next is the same.

void BattleWindow::startPlayerAttack() {
    phase = combat::kPlayerAttack;
    pauseFor(1000);
    showPlayerRoll(game().attackB);
    playerRollTimer->setEnabled(true);
    opponentRollTimer->setEnabled(true);
}

void BattleWindow::startMutualAttack() {
    phase = combat::kMutualAttack;
    pauseFor(1000);
    showPlayerRoll(game().attackA);
    playerRollTimer->setEnabled(true);
    opponentRollTimer->setEnabled(true);
}

void BattleWindow::startOpponentAttack() {
    phase = combat::kOpponentAttack;
    showPlayerRoll(game().defenseB);
    playerRollTimer->setEnabled(true);
    opponentRollTimer->setEnabled(true);
}

void BattleWindow::checkOutcome() {
    GameState& g = game();
    const combat::Outcome outcome = combat::matchOutcome(g);
    switch (outcome) {
    case combat::Outcome::Lost:
        tell(tr("負け"));
        if (isUnloaded())
            return;
        combat::applyLoss(g);
        refreshStatus();
        announceMoney(messageLabel);
        navigation::afterLostMatch(*this);
        return;
    case combat::Outcome::Won:
    case combat::Outcome::Cleared: {
        const bool cleared = outcome == combat::Outcome::Cleared;
        opponentHp->setText(QStringLiteral("0"));
        tell(tr("あなたの勝利です♪"), BoxIcon::Information, QStringLiteral("You won!"));
        if (isUnloaded())
            return;
        const bool overCap = combat::settleWonMatch(g, outcome);
        if (cleared) {
            tell(tr("ゲームクリアー"));
            if (isUnloaded())
                return;
            navigation::toEnding(*this);
            return;
        }
        if (overCap) {
            tell(tr("金持ちすぎ・・・・"), BoxIcon::Exclamation, tr("金持ちすぎなんじゃ！"));
            if (isUnloaded())
                return;
            combat::halveMoney(g);
        }
        announceMoney(messageLabel);
        navigation::toAllocation(*this);
        return;
    }
    case combat::Outcome::Continue:
        phase = combat::kSpeedContest;
        pauseFor(1000);
        showPlayerRoll(1);
        opponentRollTimer->setEnabled(true);
        playerRollTimer->setEnabled(true);
        return;
    }
}

} // namespace kobu
