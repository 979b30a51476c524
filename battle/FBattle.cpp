#include "battle/FBattle.h"

#include "app/Menu.h"
#include "battle/Combat.h"
#include "battle/Opponent.h"
#include "character/FGinou.h"
#include "character/FHuriwake.h"
#include "character/Sutetasu.h"
#include "media/FStaff.h"
#include "media/MidiSaisei.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Services.h"
#include "state/GameState.h"

#include <QLabel>
#include <QPushButton>

using namespace platform;

namespace kobu {
namespace {

// The number a roll label shows, read back as the game has always judged it:
// anything that is not a number (the design caption before the first tick)
// counts as 0.
double shownNumber(const QLabel* l) {
    return l->text().toDouble();
}

// A tick that fails stops the rolls before the error box opens, so no further
// tick of a broken match runs behind the box.
template <class F> void stoppingRollsOnError(FBattle* b, F&& f) {
    try {
        f();
    } catch (...) {
        b->TimerBa->setEnabled(false);
        b->TimerE->setEnabled(false);
        b->TimerTaiki->setEnabled(false);
        throw;
    }
}

QLabel* valueLabel(QWidget* parent, const char* name, int left, int top) {
    QLabel* l = makeLabel(parent, QString::fromLatin1(name), {}, left, top, 615, 255,
                          Qt::AlignLeft | Qt::AlignVCenter);
    l->setWordWrap(false);
    l->setFont(designFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
    return l;
}

} // namespace

FBattle::FBattle() : Form(QStringLiteral("FBattle")) {
    setCaption(QStringLiteral("Battle"));
    setClientSizeTwips(6720, 4305);
    setKeyPreview(true);
    const QString pGothic = QStringLiteral("ＭＳ Ｐゴシック");
    const QString times = QStringLiteral("Times New Roman");

    MyNa = makeLabel(this, QStringLiteral("MyNa"), {}, 120, 120, 1815, 495,
                     Qt::AlignLeft | Qt::AlignVCenter);
    MyNa->setFont(designFont(pGothic, 18));
    MyNa->setWordWrap(false);
    BaHP = makeLabel(this, QStringLiteral("BaHP"), QStringLiteral("Label7"), 2160, 120, 1095, 495,
                     Qt::AlignLeft | Qt::AlignVCenter);
    BaHP->setFont(designFont(times, 20.25, true));
    BaHP->setWordWrap(false);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Enemy"), 4080, 120, 1215,
                       495, Qt::AlignLeft | Qt::AlignVCenter);
    Label2->setFont(designFont(QStringLiteral("ＭＳ ゴシック"), 20.25));
    EHP = makeLabel(this, QStringLiteral("EHP"), {}, 5760, 120, 735, 495,
                    Qt::AlignLeft | Qt::AlignVCenter);
    EHP->setFont(designFont(times, 20.25, true));
    EHP->setWordWrap(false);

    // Row captions of both sides: attack A, attack B, defence A, defence B.
    makeLabel(this, QStringLiteral("Label1"), QStringLiteral("A"), 720, 840, 255, 255);
    makeLabel(this, QStringLiteral("Label3"), QStringLiteral("B"), 720, 1320, 255, 255);
    makeLabel(this, QStringLiteral("Label4"), QStringLiteral("A"), 720, 1920, 255, 255);
    makeLabel(this, QStringLiteral("Label5"), QStringLiteral("B"), 720, 2400, 255, 255);
    makeLabel(this, QStringLiteral("Label6"), QStringLiteral("A"), 5760, 840, 255, 255);
    makeLabel(this, QStringLiteral("Label8"), QStringLiteral("B"), 5760, 1320, 255, 255);
    makeLabel(this, QStringLiteral("Label9"), QStringLiteral("A"), 5760, 1800, 255, 255);
    makeLabel(this, QStringLiteral("Label10"), QStringLiteral("B"), 5760, 2280, 255, 255);

    BaKouA = valueLabel(this, "BaKouA", 1200, 840);
    BaKouB = valueLabel(this, "BaKouB", 1200, 1320);
    BaBouA = valueLabel(this, "BaBouA", 1200, 1800);
    BaBouB = valueLabel(this, "BaBouB", 1200, 2280);
    BaSpeed = valueLabel(this, "BaSpeed", 1200, 2880);
    EKouA = valueLabel(this, "EKouA", 4800, 840);
    EKouB = valueLabel(this, "EKouB", 4800, 1320);
    EBouA = valueLabel(this, "EBouA", 4800, 1800);
    EBouB = valueLabel(this, "EBouB", 4800, 2280);
    ESpeed = valueLabel(this, "ESpeed", 4800, 2880);

    BaSai = makeLabel(this, QStringLiteral("BaSai"), QStringLiteral("Label7"), 2040, 1320, 1215,
                      855, Qt::AlignCenter);
    ESai = makeLabel(this, QStringLiteral("ESai"), QStringLiteral("Label7"), 3480, 1320, 1215, 855,
                     Qt::AlignCenter);
    for (QLabel* l : {BaSai, ESai}) {
        l->setFont(designFont(times, 18, true));
        l->setWordWrap(false);
        // Sixty new numbers a second: an opaque label of fixed size repaints
        // itself alone, not the window and its frame behind it.
        l->setFixedSize(l->size());
        l->setAutoFillBackground(true);
    }
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("Stop!"), 2040, 2400,
                          1215, 495);
    Label7 = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("ｗキーで技能を使う"), 3480,
                       2400, 1215, 495, Qt::AlignLeft | Qt::AlignVCenter);
    Label7->setFont(designFont(pGothic, 9, true));
    LaMsg = makeLabel(this, QStringLiteral("LaMsg"), {}, 120, 3360, 6495, 855);
    LaMsg->setFont(designFont(QStringLiteral("HG創英角ﾎﾟｯﾌﾟ体"), 18));

    makePicture(this, QStringLiteral("Image1"), QStringLiteral(":/ui/battle_attack.png"),
                QStringLiteral("攻"), 120, 960, 480, 480);
    makePicture(this, QStringLiteral("Image2"), QStringLiteral(":/ui/battle_defence.png"),
                QStringLiteral("防"), 120, 1920, 480, 555);
    makePicture(this, QStringLiteral("Image3"), QStringLiteral(":/ui/battle_speed.png"),
                QStringLiteral("速"), 120, 2760, 480, 480);
    makePicture(this, QStringLiteral("Image4"), QStringLiteral(":/ui/battle_enemy_attack.png"),
                QStringLiteral("攻"), 6120, 960, 480, 480);
    makePicture(this, QStringLiteral("Image5"), QStringLiteral(":/ui/battle_enemy_defence.png"),
                QStringLiteral("防"), 6120, 1920, 480, 555);
    makePicture(this, QStringLiteral("Image6"), QStringLiteral(":/ui/battle_enemy_speed.png"),
                QStringLiteral("速"), 6120, 2760, 480, 480);
    // Header, the two sides, the message line.
    makeLine(this, QStringLiteral("Line1"), 0, 720, 6720, 720);
    makeLine(this, QStringLiteral("Line2"), 3368, 720, 3368, 3240);
    makeLine(this, QStringLiteral("Line3"), 0, 3240, 6720, 3240);

    TimerBa = makeTimer(1, [this] { stoppingRollsOnError(this, [this] { TimerBa_Timer(); }); });
    TimerE = makeTimer(1, [this] { stoppingRollsOnError(this, [this] { TimerE_Timer(); }); });
    TimerTaiki =
        makeTimer(1, [this] { stoppingRollsOnError(this, [this] { TimerTaiki_Timer(); }); });
    TimerTaiki->setEnabled(true); // as designed; the load turns it off
    onClick(Command1, [this] { Command1_Click(); });
}

void FBattle::Form_Load() {
    GameState& g = game();
    LoadOpponent();
    Forms::instance().showForm(this);
    // The town menu hides behind the match: the match takes its corner.
    setLeftTw(0);
    setTopTw(0);
    PlayTrack(2);
    MyNa->setText(g.playerName);
    setCaption(g.roundNumber.str() + QStringLiteral("回戦"));
    const OpponentRecord& o = g.opponent;
    BaBouB->setText(g.defenseB.str());
    BaBouA->setText(g.defenseA.str());
    BaKouA->setText(g.attackA.str());
    BaKouB->setText(g.attackB.str());
    BaSpeed->setText(g.speed.str());
    EBouA->setText(o.enemyDefenseA.str());
    EBouB->setText(o.enemyDefenseB.str());
    EKouA->setText(o.enemyAttackA.str());
    EKouB->setText(o.enemyAttackB.str());
    ESpeed->setText(o.enemySpeed.str());
    refreshBoth();
    phase = combat::kSpeedContest;
    LaMsg->setText(QStringLiteral("試合開始"));
    TimerBa->setEnabled(true);
    TimerE->setEnabled(true);
    Command1->setEnabled(true);
    g.enemyRollStopped = kFalse;
    TimerTaiki->setEnabled(false);
}

void FBattle::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode == vbFormControlMenu) {
        MsgBox(QStringLiteral("逃げるな"), vbOKOnly | vbExclamation, QStringLiteral("臆病者め！"));
        cancel = 1;
    }
}

void FBattle::Form_KeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode != 87)
        return;
    if (game().activeSkill != combat::kNoSkill) {
        MsgBox(QStringLiteral("技能を使用中です"), vbOKOnly | vbExclamation,
               QStringLiteral("エラー"));
        return;
    }
    // The rolls keep running while the skills window is open.
    game().skillMenuPhase = phase;
    Forms::instance().show<FGinou>();
}

void FBattle::Form_Error() {
    AbandonMatch();
}

void FBattle::Command1_Click() {
    TimerBa->setEnabled(false);
    if (game().enemyRollStopped.truth())
        ResolveExchange();
    else
        TimerTaiki->setEnabled(true);
}

void FBattle::TimerBa_Timer() {
    if (!combat::isPhase(phase.value()))
        return;
    ++ticksBa;
    BaSai->setText(combat::playerRoll(game(), phase.value(), Rnd()).str());
}

void FBattle::TimerE_Timer() {
    if (!combat::isPhase(phase.value()))
        return;
    ++ticksE;
    GameState& g = game();
    const i16 roll = combat::opponentRoll(g, phase.value(), Rnd());
    const bool stops = combat::opponentStops(Rnd());
    ESai->setText(roll.str());
    if (stops) {
        TimerE->setEnabled(false);
        g.enemyRollStopped = kTrue;
    }
}

void FBattle::TimerTaiki_Timer() {
    if (game().enemyRollStopped.truth())
        ResolveExchange();
}

void FBattle::refreshBoth() {
    RefreshStatus();
    RefreshBattlePanel();
}

void FBattle::ResolveExchange() {
    GameState& g = game();
    TimerTaiki->setEnabled(false);
    g.enemyRollStopped = kFalse;
    const int step = phase.value();
    if (step == combat::kSpeedContest) {
        if (combat::isFirstOfTwoSpeedRolls(g)) {
            // Secret of Speed: keep this roll and let both sides roll again.
            firstSpeedRoll = combat::keepFirstSpeedRoll(g, shownNumber(BaSai));
            LaMsg->setText(QStringLiteral("1回目") + firstSpeedRoll.str());
            TimerBa->setEnabled(true);
            TimerE->setEnabled(true);
            return;
        }
        if (g.activeSkill == combat::kSpeedSecret) {
            // A line feed alone: a carriage return after it would stay in the
            // label and draw as a blank at the start of the second line.
            LaMsg->setText(LaMsg->text() + QStringLiteral("\n2回目") + BaSai->text());
            Sleep(1000);
            const double second = shownNumber(BaSai);
            const double standing = combat::settleSpeedRolls(g, second, firstSpeedRoll);
            if (standing != second)
                BaSai->setText(firstSpeedRoll.str());
        }
        const combat::SpeedVerdict v =
            combat::judgeSpeedContest(g, shownNumber(BaSai), shownNumber(ESai));
        LaMsg->setText(v.message);
        if (v.refresh)
            refreshBoth();
        switch (v.next) {
        case combat::kPlayerAttack:
            StartPlayerAttack();
            break;
        case combat::kOpponentAttack:
            StartOpponentAttack();
            break;
        default:
            StartMutualAttack();
            break;
        }
        return;
    }
    if (!combat::isPhase(step))
        return;
    const combat::AttackVerdict v =
        combat::judgeAttackStep(g, shownNumber(BaSai), shownNumber(ESai));
    LaMsg->setText(v.message);
    refreshBoth();
    if (combat::endSkillsAfterAttack(g))
        refreshBoth();
    checkOutcome();
}

// While a pause lasts the player sees the message beside the two rolls it was
// judged on; the next step's starting value is written when the pause ends.
// Nothing is handled during a pause, so what is judged next is the same.

void FBattle::StartPlayerAttack() {
    phase = combat::kPlayerAttack;
    Sleep(1000);
    BaSai->setText(game().attackB.str());
    TimerBa->setEnabled(true);
    TimerE->setEnabled(true);
}

void FBattle::StartMutualAttack() {
    phase = combat::kMutualAttack;
    Sleep(1000);
    BaSai->setText(game().attackA.str());
    TimerBa->setEnabled(true);
    TimerE->setEnabled(true);
}

void FBattle::StartOpponentAttack() {
    phase = combat::kOpponentAttack;
    BaSai->setText(game().defenseB.str());
    TimerBa->setEnabled(true);
    TimerE->setEnabled(true);
}

void FBattle::checkOutcome() {
    GameState& g = game();
    Forms& forms = Forms::instance();
    const combat::Outcome outcome = combat::matchOutcome(g);
    switch (outcome) {
    case combat::Outcome::Lost:
        MsgBox(QStringLiteral("負け"), vbOKOnly);
        if (isUnloaded())
            return;
        combat::applyLoss(g);
        RefreshStatus();
        forms.unload(this, vbFormCode);
        PlayTrack(1);
        forms.show<Menu>();
        return;
    case combat::Outcome::Won:
    case combat::Outcome::Cleared: {
        const bool cleared = outcome == combat::Outcome::Cleared;
        EHP->setText(QStringLiteral("0"));
        MsgBox(QStringLiteral("あなたの勝利です♪"), vbOKOnly | vbInformation,
               QStringLiteral("You won!"));
        if (isUnloaded())
            return;
        combat::grantRewardPoints(g);
        if (cleared) {
            MsgBox(QStringLiteral("ゲームクリアー"), vbOKOnly);
            if (isUnloaded())
                return;
            // The ending runs whole inside its load, question included.
            forms.show<FStaff>();
            forms.unload<FStaff>();
            forms.unload(this, vbFormCode);
            return;
        }
        combat::advanceRound(g);
        if (combat::isOverMoneyCap(g)) {
            MsgBox(QStringLiteral("金持ちすぎ・・・・"), vbOKOnly | vbExclamation,
                   QStringLiteral("金持ちすぎなんじゃ！"));
            if (isUnloaded())
                return;
            combat::halveMoney(g);
        }
        forms.unload(this, vbFormCode);
        forms.show<FHuriwake>();
        return;
    }
    case combat::Outcome::Continue:
        phase = combat::kSpeedContest;
        Sleep(1000);
        BaSai->setText(QStringLiteral("1"));
        TimerE->setEnabled(true);
        TimerBa->setEnabled(true);
        return;
    }
}

void AbandonMatch() {
    Forms& forms = Forms::instance();
    FBattle* battle = forms.find<FBattle>();
    combat::abandonSkill(game(), battle ? battle->phase.value() : 0);
    forms.unload<FGinou>();
    if (battle)
        forms.unload(battle, vbFormCode);
    forms.show<Menu>();
    PlayTrack(1);
}

} // namespace kobu
