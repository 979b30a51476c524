#include "character/SkillsWindow.h"

#include "battle/Combat.h"
#include "battle/BattleWindow.h"
#include "battle/Opponent.h"
#include "character/StatusWindow.h"
#include "platform/Controls.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QPushButton>

using namespace platform;

namespace kobu {
namespace {

void refuse(const QString& text) {
    MsgBox(text, vbOKOnly | vbExclamation,
           QCoreApplication::translate("kobu::SkillsWindow", "エラー"));
}

bool confirmed(const QString& prompt) {
    return MsgBox(prompt, vbYesNo | vbQuestion,
                  QCoreApplication::translate("kobu::SkillsWindow", "確認")) == vbYes;
}

} // namespace

SkillsWindow::SkillsWindow() : GameWindow(QStringLiteral("FGinou")) {
    setClientSizeTwips(3000, 2400);
    setKeyPreview(true);
    speedSecretButton = makeButton(this, QStringLiteral("Command1"), {}, 120, 120, 2760, 495);
    spiritAttackButton = makeButton(this, QStringLiteral("Command2"), {}, 120, 690, 2760, 495);
    energyBoostButton = makeButton(this, QStringLiteral("Command3"), {}, 120, 1260, 2760, 495);
    healButton = makeButton(this, QStringLiteral("Command4"), {}, 120, 1830, 2760, 495);
    onClick(speedSecretButton, [this] { onSpeedSecretClicked(); });
    onClick(spiritAttackButton, [this] { onSpiritAttackClicked(); });
    onClick(energyBoostButton, [this] { onEnergyBoostClicked(); });
    onClick(healButton, [this] { onHealClicked(); });
    translateTexts();
}

void SkillsWindow::retranslate() {
    setTitle(tr("技能"));
    speedSecretButton->setText(tr("スピードの極意"));
    spiritAttackButton->setText(tr("気合攻撃"));
    energyBoostButton->setText(tr("エネルギーブースト"));
    healButton->setText(tr("ヒール"));
}

void SkillsWindow::onLoad() {
    const GameState& g = game();
    // Decided once, from the step the match was in when W opened the window.
    const bool speedContest = g.skillMenuPhase == combat::kSpeedContest;
    const bool opponentRolling = g.enemyRollStopped == 0;
    spiritAttackButton->setEnabled(opponentRolling && speedContest);
    healButton->setEnabled(opponentRolling && speedContest);
    speedSecretButton->setEnabled(speedContest);
    energyBoostButton->setEnabled(true);
    // Beside the battle window, so both stay in view.
    if (const BattleWindow* b = Windows::instance().find<BattleWindow>())
        setLeftTw(b->leftTw() + b->widthTw());
    setTopTw(0);
}

void SkillsWindow::onKeyPreview(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == 8)
        Windows::instance().unload(this, vbFormCode);
}

void SkillsWindow::onError() {
    // A skill that fails belongs to a match that cannot go on.
    Windows::instance().unload(this, vbFormCode);
    if (Windows::instance().find<BattleWindow>())
        abandonMatch();
}

bool SkillsWindow::affordable(const Offer& o) {
    const GameState& g = game();
    if (g.money < o.price && g.*o.learnt == 0) {
        refuse(tr("所持金不足"));
        return false;
    }
    // Learnt or not, every use costs hp.
    if (g.hp <= o.refusedAtHp) {
        refuse(tr("HP不足"));
        return false;
    }
    return true;
}

void SkillsWindow::offerForSpeedContest(const Offer& o) {
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

void SkillsWindow::offerAnytime(const Offer& o) {
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

void SkillsWindow::activate(int skill) {
    combat::activateSkill(game(), skill);
    refreshStatus();
    refreshBattlePanel();
    Windows::instance().unload(this, vbFormCode);
}

void SkillsWindow::onSpeedSecretClicked() {
    offerForSpeedContest({combat::kSpeedSecret, &GameState::hasSpeedSecret, 450, 4,
                          tr("450Gと4HP必要です"), tr("You need four HPs.よろしいですか")});
}

void SkillsWindow::onSpiritAttackClicked() {
    offerForSpeedContest({combat::kSpiritAttack, &GameState::hasSpiritAttack, 400, 5,
                          tr("400Gと5HP必要です"), tr("You need five HPs.よろしいですか")});
}

void SkillsWindow::onEnergyBoostClicked() {
    offerAnytime({combat::kEnergyBoost, &GameState::hasEnergyBoost, 1200, 5, tr("1200G必要です"),
                  tr("よろしいですか")});
}

void SkillsWindow::onHealClicked() {
    offerForSpeedContest({combat::kHeal, &GameState::hasHeal, 600, 1, tr("600Gと1HP必要です"),
                          tr("You need one HP.よろしいですか")});
}

} // namespace kobu
