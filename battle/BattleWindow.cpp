#include "battle/BattleWindow.h"

#include "app/Navigation.h"
#include "battle/Combat.h"
#include "battle/Opponent.h"
#include "character/SkillsWindow.h"
#include "character/StatusWindow.h"
#include "media/MusicPlayer.h"
#include "platform/Announce.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

using namespace platform;

namespace kobu {
namespace {

// A tick that fails stops the rolls before the error box opens, so no further
// tick of a broken match runs behind the box.
template <class F> void stoppingRollsOnError(BattleWindow* b, F&& f) {
    try {
        f();
    } catch (...) {
        b->playerRollTimer->setEnabled(false);
        b->opponentRollTimer->setEnabled(false);
        b->waitTimer->setEnabled(false);
        throw;
    }
}

QLabel* valueLabel(QWidget* parent, const char* name, int left, int top) {
    QLabel* l = makeLabel(parent, QString::fromLatin1(name), {}, left, top, 615, 255,
                          Qt::AlignLeft | Qt::AlignVCenter);
    l->setWordWrap(false);
    l->setFont(designFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    markNotTranslated(l);
    return l;
}

} // namespace

BattleWindow::BattleWindow() : GameWindow(QStringLiteral("BattleWindow")) {
    setTitle(QStringLiteral("Battle"));
    setClientSizeTwips(6720, 4305);
    setKeyPreview(true);
    const QString pGothic = QStringLiteral("ＭＳ Ｐゴシック");
    const QString times = QStringLiteral("Times New Roman");

    playerName = makeLabel(this, QStringLiteral("playerName"), {}, 120, 120, 1815, 495,
                           Qt::AlignLeft | Qt::AlignVCenter);
    playerName->setFont(designFont(pGothic, 18));
    playerName->setWordWrap(false);
    playerHp = makeLabel(this, QStringLiteral("playerHp"), QStringLiteral("Label7"), 2160, 120,
                         1095, 495, Qt::AlignLeft | Qt::AlignVCenter);
    playerHp->setFont(designFont(times, 20.25, true));
    playerHp->setWordWrap(false);
    opponentCaption = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Enemy"), 4080, 120,
                                1215, 495, Qt::AlignLeft | Qt::AlignVCenter);
    opponentCaption->setFont(designFont(QStringLiteral("ＭＳ ゴシック"), 20.25));
    opponentHp = makeLabel(this, QStringLiteral("opponentHp"), {}, 5760, 120, 735, 495,
                           Qt::AlignLeft | Qt::AlignVCenter);
    opponentHp->setFont(designFont(times, 20.25, true));
    opponentHp->setWordWrap(false);
    for (QLabel* l : {playerName, playerHp, opponentHp})
        markNotTranslated(l);

    // Row captions of both sides: attack A, attack B, defence A, defence B.
    makeLabel(this, QStringLiteral("Label1"), QStringLiteral("A"), 720, 840, 255, 255);
    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("B"), 720, 1320, 255, 255);
    makeLabel(this, QStringLiteral("Label4"), QStringLiteral("A"), 720, 1920, 255, 255);
    makeLabel(this, QStringLiteral("Label5"), QStringLiteral("B"), 720, 2400, 255, 255);
    makeLabel(this, QStringLiteral("Label6"), QStringLiteral("A"), 5760, 840, 255, 255);
    makeLabel(this, QStringLiteral("Label8"), QStringLiteral("B"), 5760, 1320, 255, 255);
    makeLabel(this, QStringLiteral("Label9"), QStringLiteral("A"), 5760, 1800, 255, 255);
    makeLabel(this, QStringLiteral("Label10"), QStringLiteral("B"), 5760, 2280, 255, 255);

    playerAttackA = valueLabel(this, "playerAttackA", 1200, 840);
    playerAttackB = valueLabel(this, "playerAttackB", 1200, 1320);
    playerDefenseA = valueLabel(this, "playerDefenseA", 1200, 1800);
    playerDefenseB = valueLabel(this, "playerDefenseB", 1200, 2280);
    playerSpeed = valueLabel(this, "playerSpeed", 1200, 2880);
    opponentAttackA = valueLabel(this, "opponentAttackA", 4800, 840);
    opponentAttackB = valueLabel(this, "opponentAttackB", 4800, 1320);
    opponentDefenseA = valueLabel(this, "opponentDefenseA", 4800, 1800);
    opponentDefenseB = valueLabel(this, "opponentDefenseB", 4800, 2280);
    opponentSpeed = valueLabel(this, "opponentSpeed", 4800, 2880);

    playerRoll = makeLabel(this, QStringLiteral("playerRoll"), QStringLiteral("Label7"), 2040, 1320,
                           1215, 855, Qt::AlignCenter);
    opponentRoll = makeLabel(this, QStringLiteral("opponentRoll"), QStringLiteral("Label7"), 3480,
                             1320, 1215, 855, Qt::AlignCenter);
    for (QLabel* l : {playerRoll, opponentRoll}) {
        l->setFont(designFont(times, 18, true));
        l->setWordWrap(false);
        markNotTranslated(l);
        // Sixty new numbers a second: an opaque label of fixed size repaints
        // itself alone, not the window and its frame behind it.
        l->setFixedSize(l->size());
        l->setAutoFillBackground(true);
    }
    stopButton = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Stop!"), 2040, 2400,
                            1215, 495);
    skillsHint = makeLabel(this, QStringLiteral("Label7"), {}, 3480, 2400, 1215, 495,
                           Qt::AlignLeft | Qt::AlignVCenter);
    skillsHint->setFont(designFont(pGothic, 9, true));
    messageLabel = makeLabel(this, QStringLiteral("messageLabel"), {}, 120, 3360, 6495, 855);
    messageLabel->setFont(designFont(QStringLiteral("HG創英角ﾎﾟｯﾌﾟ体"), 18));

    makePicture(this, QStringLiteral("Image1"), QStringLiteral(":/ui/battle_attack.png"),
                QT_TRANSLATE_NOOP("platform::Pictures", "攻"), 120, 960, 480, 480);
    makePicture(this, QStringLiteral("Image2"), QStringLiteral(":/ui/battle_defence.png"),
                QT_TRANSLATE_NOOP("platform::Pictures", "防"), 120, 1920, 480, 555);
    makePicture(this, QStringLiteral("Image3"), QStringLiteral(":/ui/battle_speed.png"),
                QT_TRANSLATE_NOOP("platform::Pictures", "速"), 120, 2760, 480, 480);
    makePicture(this, QStringLiteral("Image4"), QStringLiteral(":/ui/battle_enemy_attack.png"),
                QT_TRANSLATE_NOOP("platform::Pictures", "攻"), 6120, 960, 480, 480);
    makePicture(this, QStringLiteral("Image5"), QStringLiteral(":/ui/battle_enemy_defence.png"),
                QT_TRANSLATE_NOOP("platform::Pictures", "防"), 6120, 1920, 480, 555);
    makePicture(this, QStringLiteral("Image6"), QStringLiteral(":/ui/battle_enemy_speed.png"),
                QT_TRANSLATE_NOOP("platform::Pictures", "速"), 6120, 2760, 480, 480);
    // Header, the two sides, the message line.
    makeLine(this, QStringLiteral("Line1"), 0, 720, 6720, 720);
    makeLine(this, QStringLiteral("Line2"), 3368, 720, 3368, 3240);
    makeLine(this, QStringLiteral("Line3"), 0, 3240, 6720, 3240);

    playerRollTimer =
        makeTimer(1, [this] { stoppingRollsOnError(this, [this] { onPlayerRollTick(); }); });
    opponentRollTimer =
        makeTimer(1, [this] { stoppingRollsOnError(this, [this] { onOpponentRollTick(); }); });
    waitTimer = makeTimer(1, [this] { stoppingRollsOnError(this, [this] { onWaitTick(); }); });
    waitTimer->setEnabled(true); // as designed; the load turns it off
    onClick(stopButton, [this] { onStopClicked(); });
    translateTexts();
}

void BattleWindow::retranslate() {
    if (!shownRound.isEmpty())
        setTitle(tr("%1回戦").arg(shownRound));
    skillsHint->setText(tr("ｗキーで技能を使う"));
    // A name of their own: without one every new number would be a changed
    // name on the accessibility bus, sixty a second.
    playerRoll->setAccessibleName(tr("あなたの数"));
    opponentRoll->setAccessibleName(tr("相手の数"));
    showMessageText();
}

void BattleWindow::showMessage(const QString& source, const QStringList& numbers,
                               const QString& spokenAfter) {
    messageSource = source;
    messageNumbers = numbers;
    showMessageText();
    QString spoken = messageLabel->text();
    if (!spokenAfter.isEmpty())
        spoken += QLatin1Char(' ') + spokenAfter;
    announce(messageLabel, spoken);
}

void BattleWindow::announceHp() {
    announce(messageLabel,
             tr("あなたのHP %1、相手のHP %2").arg(game().hp.str(), game().opponent.enemyHp.str()));
}

void BattleWindow::showMessageText() {
    if (messageSource.isEmpty())
        return;
    QString text =
        QCoreApplication::translate("kobu::BattleWindow", messageSource.toUtf8().constData());
    for (const QString& n : std::as_const(messageNumbers))
        text = text.arg(n);
    messageLabel->setText(text);
}

void BattleWindow::onLoad() {
    GameState& g = game();
    loadOpponent();
    Windows::instance().showWindow(this);
    // The town menu hides behind the match: the match takes its corner.
    setLeftTw(0);
    setTopTw(0);
    playMusic(Track::Match);
    playerName->setText(g.playerName);
    shownRound = g.roundNumber.str();
    setTitle(tr("%1回戦").arg(shownRound));
    refreshBoth();
    phase = combat::kSpeedContest;
    showMessage(QStringLiteral(QT_TR_NOOP("試合開始")));
    playerRollTimer->setEnabled(true);
    opponentRollTimer->setEnabled(true);
    stopButton->setEnabled(true);
    g.enemyRollStopped = kFalse;
    waitTimer->setEnabled(false);
}

bool BattleWindow::canClose(CloseReason reason) {
    if (reason != CloseReason::User)
        return true;
    tell(tr("逃げるな"), BoxIcon::Exclamation, tr("臆病者め！"));
    return false;
}

bool BattleWindow::onKeyPreview(Qt::Key key, Qt::KeyboardModifiers) {
    if (key != Qt::Key_W)
        return false;
    if (game().activeSkill != combat::kNoSkill) {
        tell(tr("技能を使用中です"), BoxIcon::Exclamation, tr("エラー"));
        return false;
    }
    // The rolls keep running while the skills window is open.
    game().skillMenuPhase = phase;
    Windows::instance().show<SkillsWindow>();
    return false;
}

void BattleWindow::onError() {
    navigation::abandonMatch();
}

void BattleWindow::onStopClicked() {
    // A second press while the opponent still rolls stops nothing new.
    if (playerRollTimer->isEnabled())
        announce(playerRoll, tr("あなたの数 %1").arg(playerShown.str()));
    playerRollTimer->setEnabled(false);
    if (game().enemyRollStopped.truth())
        resolveExchange();
    else
        waitTimer->setEnabled(true);
}

void BattleWindow::onPlayerRollTick() {
    if (!combat::isPhase(phase.value()))
        return;
    ++playerTicks;
    showPlayerRoll(combat::playerRoll(game(), phase.value(), randomFraction()));
}

void BattleWindow::onOpponentRollTick() {
    if (!combat::isPhase(phase.value()))
        return;
    ++opponentTicks;
    GameState& g = game();
    const i16 roll = combat::opponentRoll(g, phase.value(), randomFraction());
    const bool stops = combat::opponentStops(randomFraction());
    showOpponentRoll(roll);
    if (stops) {
        opponentRollTimer->setEnabled(false);
        g.enemyRollStopped = kTrue;
        announce(opponentRoll, tr("相手の数 %1").arg(roll.str()));
    }
}

void BattleWindow::onWaitTick() {
    if (game().enemyRollStopped.truth())
        resolveExchange();
}

void BattleWindow::showPlayerRoll(i16 v) {
    playerShown = v;
    playerRoll->setText(v.str());
}

void BattleWindow::showOpponentRoll(i16 v) {
    opponentShown = v;
    opponentRoll->setText(v.str());
}

void BattleWindow::refreshBoth() {
    refreshStatus();
    showPanel();
}

void BattleWindow::showPanel() {
    const GameState& g = game();
    const OpponentRecord& o = g.opponent;
    playerDefenseB->setText(g.defenseB.str());
    playerDefenseA->setText(g.defenseA.str());
    playerAttackA->setText(g.attackA.str());
    playerAttackB->setText(g.attackB.str());
    playerSpeed->setText(g.speed.str());
    opponentDefenseA->setText(o.enemyDefenseA.str());
    opponentDefenseB->setText(o.enemyDefenseB.str());
    opponentAttackA->setText(o.enemyAttackA.str());
    opponentAttackB->setText(o.enemyAttackB.str());
    opponentSpeed->setText(o.enemySpeed.str());
    opponentHp->setText(o.enemyHp.str());
    playerHp->setText(g.hp.str());
}

void refreshBattlePanel() {
    if (BattleWindow* b = Windows::instance().find<BattleWindow>())
        b->showPanel();
}

} // namespace kobu
