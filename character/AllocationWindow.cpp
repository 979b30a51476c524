#include "character/AllocationWindow.h"

#include "app/Navigation.h"
#include "app/TownMenu.h"
#include "character/Allocation.h"
#include "character/StatusWindow.h"
#include "media/MusicPlayer.h"
#include "platform/Announce.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/Guard.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

using namespace platform;

namespace kobu {
namespace {

void refuse(const QString& text) {
    tell(text, BoxIcon::Exclamation,
         QCoreApplication::translate("kobu::AllocationWindow", "エラー"));
}

// What the window says when a press is refused.
QString refusalText(allocation::Row row, allocation::Refusal why) {
    using allocation::Refusal;
    using allocation::Row;
    switch (why) {
    case Refusal::PairGap:
        if (row == Row::AttackA)
            return QCoreApplication::translate("kobu::AllocationWindow", "これ以上下げられません");
        if (row == Row::DefenseA)
            return QCoreApplication::translate("kobu::AllocationWindow", "これ以上さげられません");
        return QCoreApplication::translate("kobu::AllocationWindow", "これ以上あげられません");
    case Refusal::Limit:
        return QCoreApplication::translate("kobu::AllocationWindow", "上限です");
    case Refusal::NoPointsLeft:
        return QCoreApplication::translate("kobu::AllocationWindow", "ポイントを使い切っています");
    case Refusal::BelowCurrent:
        return QCoreApplication::translate("kobu::AllocationWindow", "現在値を下回っています");
    case Refusal::None:
        break;
    }
    return {};
}

// A row as the screen reader names it.
QString rowName(allocation::Row row) {
    using allocation::Row;
    switch (row) {
    case Row::Hp:
        return QCoreApplication::translate("kobu::AllocationWindow", "HP");
    case Row::AttackA:
        return QCoreApplication::translate("kobu::AllocationWindow", "攻撃A");
    case Row::AttackB:
        return QCoreApplication::translate("kobu::AllocationWindow", "攻撃B");
    case Row::DefenseA:
        return QCoreApplication::translate("kobu::AllocationWindow", "防御A");
    case Row::DefenseB:
        return QCoreApplication::translate("kobu::AllocationWindow", "防御B");
    case Row::Speed:
        break;
    }
    return QCoreApplication::translate("kobu::AllocationWindow", "スピード");
}

allocation::Press pressOf(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        return allocation::Press::Left;
    if (button == Qt::RightButton)
        return allocation::Press::Right;
    return allocation::Press::Middle;
}

} // namespace

AllocationWindow::AllocationWindow() : GameWindow(QStringLiteral("AllocationWindow")) {
    setClientSizeTwips(6720, 3600);
    const auto centred = Qt::AlignCenter;
    abilityHeader = makeLabel(this, QStringLiteral("Label1"), {}, 120, 120, 1335, 375, centred);
    currentHeader = makeLabel(this, QStringLiteral("Label2"), {}, 1560, 120, 855, 375, centred);
    resultHeader = makeLabel(this, QStringLiteral("Label4"), {}, 2520, 120, 855, 375, centred);

    struct Design {
        const char* image;
        const char* picture;
        const char* lettering;
        QLabel** now;
        QLabel** ato;
        MousePressButton** button;
        const char* nowName;
        const char* atoName;
        const char* buttonName;
    };
    const Design rows[] = {
        {"Image1", ":/ui/alloc_hp.png", "HP", &currentHp, &resultHp, &hpButton, "currentHp",
         "resultHp", "hpButton"},
        {"Image6", ":/ui/alloc_attack_a.png", "Attack A", &currentAttackA, &resultAttackA,
         &attackAButton, "currentAttackA", "resultAttackA", "attackAButton"},
        {"Image5", ":/ui/alloc_attack_b.png", "Attack B", &currentAttackB, &resultAttackB,
         &attackBButton, "currentAttackB", "resultAttackB", "attackBButton"},
        {"Image4", ":/ui/alloc_defence_a.png", "Defence A", &currentDefenseA, &resultDefenseA,
         &defenseAButton, "currentDefenseA", "resultDefenseA", "defenseAButton"},
        {"Image3", ":/ui/alloc_defence_b.png", "Defence B", &currentDefenseB, &resultDefenseB,
         &defenseBButton, "currentDefenseB", "resultDefenseB", "defenseBButton"},
        {"Image2", ":/ui/alloc_speed.png", "Speed", &currentSpeed, &resultSpeed, &speedButton,
         "currentSpeed", "resultSpeed", "speedButton"},
    };
    const QFont valueFont = designFont(QStringLiteral("ＭＳ Ｐゴシック"), 12);
    int top = 600;
    for (const Design& d : rows) {
        makePicture(this, QString::fromLatin1(d.image), QString::fromLatin1(d.picture), d.lettering,
                    120, top, 1335, 375);
        *d.now = makeLabel(this, QString::fromLatin1(d.nowName), {}, 1560, top, 855, 375, centred);
        *d.ato = makeLabel(this, QString::fromLatin1(d.atoName), {}, 2520, top, 855, 375, centred);
        for (QLabel* l : {*d.now, *d.ato}) {
            l->setFont(valueFont);
            markNotTranslated(l);
        }
        auto* b = new MousePressButton(QStringLiteral("↑↓"), this);
        b->setObjectName(QString::fromLatin1(d.buttonName));
        b->setAutoDefault(false);
        setGeometryTwips(b, 3480, top, 615, 375);
        *d.button = b;
        top += 480;
    }
    const std::pair<MousePressButton*, allocation::Row> buttons[] = {
        {hpButton, allocation::Row::Hp},
        {attackAButton, allocation::Row::AttackA},
        {attackBButton, allocation::Row::AttackB},
        {defenseAButton, allocation::Row::DefenseA},
        {defenseBButton, allocation::Row::DefenseB},
        {speedButton, allocation::Row::Speed},
    };
    for (const auto& [b, row] : buttons) {
        connect(b, &MousePressButton::mousePressed, this,
                [this, row = row](Qt::MouseButton button) {
                    runGuarded(this, [&] { onRowPressed(row, button); });
                });
    }

    howToTitle = makeLabel(this, QStringLiteral("Label5"), {}, 4320, 120, 2280, 375,
                           Qt::AlignLeft | Qt::AlignVCenter);
    howToText = makeLabel(this, QStringLiteral("Label3"), {}, 4320, 480, 2280, 1200);
    pointsCaption = makeLabel(this, QStringLiteral("Label17"), {}, 4320, 1800, 2280, 375,
                              Qt::AlignLeft | Qt::AlignVCenter);
    pointsLeft = makeLabel(this, QStringLiteral("pointsLeft"), {}, 4320, 2160, 2280, 615, centred);
    pointsLeft->setFont(designFont(QStringLiteral("ＭＳ Ｐゴシック"), 18, true));
    markNotTranslated(pointsLeft);
    okButton = makeButton(this, QStringLiteral("OK"), {}, 4320, 2880, 2280, 495);
    onClick(okButton, [this] { onOkClicked(); });
    setEnterButton(okButton);
    translateTexts();
}

void AllocationWindow::retranslate() {
    setTitle(tr("能力値振り分け"));
    abilityHeader->setText(tr("能力値"));
    currentHeader->setText(tr("現在"));
    resultHeader->setText(tr("結果"));
    howToTitle->setText(tr("振り分け方"));
    howToText->setText(tr("左クリックをすると能力値がアップし、右クリックすると増えた能"
                          "力値を訂正することができます。"));
    pointsCaption->setText(tr("残り振り分けポイント"));
    okButton->setText(tr("ＯＫ！"));
    for (const allocation::Row r : allocation::kRows) {
        rowButton(r)->setAccessibleName(rowName(r));
        rowButton(r)->setAccessibleDescription(
            tr("右矢印で上げる、左矢印で戻す、上下矢印で行を選ぶ、Enterで決定"));
    }
}

MousePressButton* AllocationWindow::rowButton(allocation::Row row) const {
    MousePressButton* const buttons[] = {hpButton,       attackAButton,  attackBButton,
                                         defenseAButton, defenseBButton, speedButton};
    return buttons[static_cast<size_t>(row)];
}

void AllocationWindow::onLoad() {
    Windows::instance().showWindow(this);
    draft = allocation::begin(game());
    showDraft();
    hpButton->setFocus();
    announce(pointsLeft, tr("残り振り分けポイント %1").arg(draft.remaining().str()));
}

bool AllocationWindow::canClose(CloseReason reason) {
    // The only way out is a confirmed OK.
    return reason != CloseReason::User;
}

void AllocationWindow::showDraft() {
    using allocation::Row;
    const std::pair<QLabel*, QLabel*> rows[] = {
        {currentHp, resultHp},
        {currentAttackA, resultAttackA},
        {currentAttackB, resultAttackB},
        {currentDefenseA, resultDefenseA},
        {currentDefenseB, resultDefenseB},
        {currentSpeed, resultSpeed},
    };
    for (const Row r : allocation::kRows) {
        const auto& [current, result] = rows[static_cast<size_t>(r)];
        current->setText(draft.currentOf(r).str());
        result->setText(QString::number(draft.resultOf(r)));
    }
    pointsLeft->setText(draft.remaining().str());
}

void AllocationWindow::onRowPressed(allocation::Row row, Qt::MouseButton button) {
    const allocation::Refusal why = allocation::press(draft, row, pressOf(button));
    // A lowering below the opening value is already undone when its message
    // shows; any other refusal changed nothing.
    showDraft();
    // A refusal is read as its box; only a change is announced.
    if (why != allocation::Refusal::None)
        refuse(refusalText(row, why));
    else
        announce(rowButton(row), tr("%1 %2、残り %3")
                                     .arg(rowName(row), QString::number(draft.resultOf(row)),
                                          draft.remaining().str()));
}

bool AllocationWindow::onControlKey(QWidget* control, Qt::Key key, Qt::KeyboardModifiers) {
    // Keys beside the mouse: the focused row's button takes the arrows, plus
    // and minus (Enter goes to OK, the window's Enter button).
    int at = -1;
    for (const allocation::Row r : allocation::kRows)
        if (rowButton(r) == control)
            at = static_cast<int>(r);
    if (at < 0)
        return false;
    const auto row = static_cast<allocation::Row>(at);
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int next =
            (at + (key == Qt::Key_Up ? allocation::kRowCount - 1 : 1)) % allocation::kRowCount;
        rowButton(static_cast<allocation::Row>(next))->setFocus(Qt::TabFocusReason);
        return true;
    }
    case Qt::Key_Right:
    case Qt::Key_Plus:
        onRowPressed(row, Qt::LeftButton);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Minus:
        onRowPressed(row, Qt::RightButton);
        return true;
    default:
        return false;
    }
}

void AllocationWindow::onOkClicked() {
    if (!ask(tr("これでよろしいですか？"), BoxIcon::Question, tr("お～け～？")))
        return;
    allocation::commit(draft, game());
    refreshStatus();
    navigation::afterAllocation(*this);
}

} // namespace kobu
