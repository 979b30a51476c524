#include "character/SkillsWindow.h"

#include "app/Navigation.h"
#include "battle/BattleWindow.h"
#include "battle/Combat.h"
#include "battle/Opponent.h"
#include "character/Skills.h"
#include "character/StatusWindow.h"
#include "platform/Controls.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QPushButton>

using namespace platform;

namespace kobu {
namespace {

void refuse(const QString& text) {
    tell(text, BoxIcon::Exclamation, QCoreApplication::translate("kobu::SkillsWindow", "エラー"));
}

bool confirmed(const QString& prompt) {
    return ask(prompt, BoxIcon::Question,
               QCoreApplication::translate("kobu::SkillsWindow", "確認"));
}

} // namespace

SkillsWindow::SkillsWindow() : GameWindow(QStringLiteral("SkillsWindow")) {
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
    spiritAttackButton->setEnabled(skills::available(g, combat::kSpiritAttack));
    healButton->setEnabled(skills::available(g, combat::kHeal));
    speedSecretButton->setEnabled(skills::available(g, combat::kSpeedSecret));
    energyBoostButton->setEnabled(skills::available(g, combat::kEnergyBoost));
    // Beside the battle window, so both stay in view.
    if (const BattleWindow* b = Windows::instance().find<BattleWindow>())
        setLeftTw(b->leftTw() + b->widthTw());
    setTopTw(0);
}

bool SkillsWindow::onKeyPreview(Qt::Key key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Backspace)
        Windows::instance().close(this);
    return false;
}

void SkillsWindow::onError() {
    // A skill that fails belongs to a match that cannot go on.
    Windows::instance().close(this);
    if (Windows::instance().find<BattleWindow>())
        navigation::abandonMatch();
}

void SkillsWindow::offerSkill(combat::Skill skill, const QString& buyPrompt,
                              const QString& usePrompt) {
    GameState& g = game();
    const skills::Offer& o = skills::offer(skill);
    switch (skills::refusal(g, o)) {
    case skills::Refusal::Money:
        refuse(tr("所持金不足"));
        return;
    case skills::Refusal::Hp:
        refuse(tr("HP不足"));
        return;
    case skills::Refusal::None:
        break;
    }
    if (skills::inItsStep(g, o) && !skills::learnt(g, o)) {
        if (confirmed(buyPrompt)) {
            skills::buy(g, o);
            activate(skill);
        }
        return;
    }
    // Asked even when it cannot be used now; only a learnt skill in its step
    // goes into force.
    if (confirmed(usePrompt) && skills::inItsStep(g, o) && skills::learnt(g, o))
        activate(skill);
}

void SkillsWindow::activate(combat::Skill skill) {
    combat::activateSkill(game(), skill);
    refreshStatus();
    refreshBattlePanel();
    announcePlayerValues(this);
    Windows::instance().close(this);
}

void SkillsWindow::onSpeedSecretClicked() {
    offerSkill(combat::kSpeedSecret, tr("450Gと4HP必要です"),
               tr("You need four HPs.よろしいですか"));
}

void SkillsWindow::onSpiritAttackClicked() {
    offerSkill(combat::kSpiritAttack, tr("400Gと5HP必要です"),
               tr("You need five HPs.よろしいですか"));
}

void SkillsWindow::onEnergyBoostClicked() {
    offerSkill(combat::kEnergyBoost, tr("1200G必要です"), tr("よろしいですか"));
}

void SkillsWindow::onHealClicked() {
    offerSkill(combat::kHeal, tr("600Gと1HP必要です"), tr("You need one HP.よろしいですか"));
}

} // namespace kobu
