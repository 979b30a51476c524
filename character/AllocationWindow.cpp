#include "character/AllocationWindow.h"

#include "app/TownMenu.h"
#include "character/StatusWindow.h"
#include "media/MidiSaisei.h"
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

// The result labels hold the values being built; they only ever hold whole
// numbers written by this window.
qint64 number(const QLabel* l) {
    return l->text().toLongLong();
}
void setNumber(QLabel* l, qint64 v) {
    l->setText(QString::number(v));
}

void refuse(const QString& text) {
    MsgBox(text, vbOKOnly | vbExclamation,
           QCoreApplication::translate("kobu::AllocationWindow", "エラー"));
}

} // namespace

AllocationWindow::AllocationWindow() : GameWindow(QStringLiteral("FHuriwake")) {
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
        {"Image1", ":/ui/alloc_hp.png", "HP", &currentHp, &resultHp, &hpButton, "NowHP", "AtoHP", "HPUP"},
        {"Image6", ":/ui/alloc_attack_a.png", "Attack A", &currentAttackA, &resultAttackA, &attackAButton, "NowAA", "AtoAA",
         "AAUP"},
        {"Image5", ":/ui/alloc_attack_b.png", "Attack B", &currentAttackB, &resultAttackB, &attackBButton, "NowAB", "AtoAB",
         "ABUP"},
        {"Image4", ":/ui/alloc_defence_a.png", "Defence A", &currentDefenseA, &resultDefenseA, &defenseAButton, "NowDA", "AtoDA",
         "DAUP"},
        {"Image3", ":/ui/alloc_defence_b.png", "Defence B", &currentDefenseB, &resultDefenseB, &defenseBButton, "NowDB", "AtoDB",
         "DBUP"},
        {"Image2", ":/ui/alloc_speed.png", "Speed", &currentSpeed, &resultSpeed, &speedButton, "NowSP", "AtoSP",
         "SPUP"},
    };
    const QFont valueFont = designFont(QStringLiteral("ＭＳ Ｐゴシック"), 12);
    int top = 600;
    for (const Design& d : rows) {
        makePicture(this, QString::fromLatin1(d.image), QString::fromLatin1(d.picture), d.lettering,
                    120, top, 1335, 375);
        *d.now = makeLabel(this, QString::fromLatin1(d.nowName), {}, 1560, top, 855, 375, centred);
        *d.ato = makeLabel(this, QString::fromLatin1(d.atoName), {}, 2520, top, 855, 375, centred);
        (*d.now)->setFont(valueFont);
        (*d.ato)->setFont(valueFont);
        auto* b = new MousePressButton(QStringLiteral("↑↓"), this);
        b->setObjectName(QString::fromLatin1(d.buttonName));
        b->setAutoDefault(false);
        setGeometryTwips(b, 3480, top, 615, 375);
        *d.button = b;
        top += 480;
    }
    const auto route = [this](MousePressButton* b, void (AllocationWindow::*handler)(int, int)) {
        connect(b, &MousePressButton::mousePressed, this, [this, handler](int button, int shift) {
            runGuarded(this, [&] { (this->*handler)(button, shift); });
        });
    };
    route(hpButton, &AllocationWindow::onHpPressed);
    route(attackAButton, &AllocationWindow::onAttackAPressed);
    route(attackBButton, &AllocationWindow::onAttackBPressed);
    route(defenseAButton, &AllocationWindow::onDefenseAPressed);
    route(defenseBButton, &AllocationWindow::onDefenseBPressed);
    route(speedButton, &AllocationWindow::onSpeedPressed);

    howToTitle = makeLabel(this, QStringLiteral("Label5"), {}, 4320, 120, 2280, 375,
                           Qt::AlignLeft | Qt::AlignVCenter);
    howToText = makeLabel(this, QStringLiteral("Label3"), {}, 4320, 480, 2280, 1200);
    pointsCaption = makeLabel(this, QStringLiteral("Label17"), {}, 4320, 1800, 2280, 375,
                              Qt::AlignLeft | Qt::AlignVCenter);
    pointsLeft = makeLabel(this, QStringLiteral("Huriwake"), {}, 4320, 2160, 2280, 615, centred);
    pointsLeft->setFont(designFont(QStringLiteral("ＭＳ Ｐゴシック"), 18, true));
    okButton = makeButton(this, QStringLiteral("OK"), {}, 4320, 2880, 2280, 495);
    onClick(okButton, [this] { onOkClicked(); });
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
}

void AllocationWindow::onLoad() {
    Windows::instance().showWindow(this);
    pointsUsed = 0;
    const GameState& g = game();
    pointsLeft->setText(g.abilityPoints.str());
    const std::pair<QLabel*, QLabel*> rows[] = {{currentHp, resultHp}, {currentAttackA, resultAttackA}, {currentAttackB, resultAttackB},
                                                {currentDefenseA, resultDefenseA}, {currentDefenseB, resultDefenseB}, {currentSpeed, resultSpeed}};
    const i16 values[] = {g.maxHp, g.attackA, g.attackB, g.defenseA, g.defenseB, g.speed};
    for (int i = 0; i < 6; ++i) {
        rows[i].first->setText(values[i].str());
        rows[i].second->setText(values[i].str());
    }
}

void AllocationWindow::canClose(int& cancel, int unloadMode) {
    // The only way out is a confirmed OK.
    if (unloadMode == vbFormControlMenu)
        cancel = 1;
}

bool AllocationWindow::pairRefuses(const Row& row, int button) const {
    switch (row.pair) {
    case Pair::LowerA: // this row is A: a right press would narrow the gap
        return button == 2 && number(row.partnerAto) + 3 >= number(row.ato) - 1;
    case Pair::RaiseB: // this row is B: a left press would narrow the gap
        return button == 1 && number(row.ato) + 1 >= number(row.partnerAto) - 3;
    case Pair::None:
        break;
    }
    return false;
}

void AllocationWindow::pressRow(const Row& row, int button) {
    const GameState& g = game();
    const bool pairFirst = row.pair == Pair::LowerA;
    if (pairFirst && pairRefuses(row, button)) {
        refuse(row.pairText);
        return;
    }
    // The limit looks at the value before the change: one step past it is
    // reachable, and from there the row is fixed, lowering included.
    if (row.limit >= 0 && number(row.ato) > row.limit) {
        refuse(tr("上限です"));
        return;
    }
    if (!pairFirst && pairRefuses(row, button)) {
        refuse(row.pairText);
        return;
    }
    if (button != 2 && g.abilityPoints <= pointsUsed) {
        refuse(tr("ポイントを使い切っています"));
    } else {
        if (button == 1) {
            setNumber(row.ato, number(row.ato) + 1);
            pointsUsed += 1;
        } else {
            setNumber(row.ato, number(row.ato) - 1);
            pointsUsed -= 1;
        }
        if (number(row.now) > number(row.ato)) {
            row.ato->setText((g.*row.field).str());
            pointsUsed += 1;
            refuse(tr("現在値を下回っています"));
        }
    }
    showRemaining();
}

void AllocationWindow::showRemaining() {
    pointsLeft->setText((game().abilityPoints - pointsUsed).str());
}

void AllocationWindow::onHpPressed(int button, int shift) {
    (void)shift;
    pressRow({currentHp, resultHp, nullptr, &GameState::maxHp, -1, Pair::None, {}}, button);
}

void AllocationWindow::onAttackAPressed(int button, int shift) {
    (void)shift;
    pressRow({currentAttackA, resultAttackA, resultAttackB, &GameState::attackA, 40, Pair::LowerA,
              tr("これ以上下げられません")},
             button);
}

void AllocationWindow::onAttackBPressed(int button, int shift) {
    (void)shift;
    pressRow({currentAttackB, resultAttackB, resultAttackA, &GameState::attackB, 30, Pair::RaiseB,
              tr("これ以上あげられません")},
             button);
}

void AllocationWindow::onDefenseAPressed(int button, int shift) {
    (void)shift;
    pressRow({currentDefenseA, resultDefenseA, resultDefenseB, &GameState::defenseA, 35,
              Pair::LowerA, tr("これ以上さげられません")},
             button);
}

void AllocationWindow::onDefenseBPressed(int button, int shift) {
    (void)shift;
    pressRow({currentDefenseB, resultDefenseB, resultDefenseA, &GameState::defenseB, 22,
              Pair::RaiseB, tr("これ以上あげられません")},
             button);
}

void AllocationWindow::onSpeedPressed(int button, int shift) {
    (void)shift;
    pressRow({currentSpeed, resultSpeed, nullptr, &GameState::speed, 12, Pair::None, {}}, button);
}

void AllocationWindow::onOkClicked() {
    if (MsgBox(tr("これでよろしいですか？"), vbYesNo | vbQuestion, tr("お～け～？")) != vbYes)
        return;
    GameState& g = game();
    g.maxHp = i16::fromDouble(double(number(resultHp)));
    g.attackA = i16::fromDouble(double(number(resultAttackA)));
    g.attackB = i16::fromDouble(double(number(resultAttackB)));
    g.defenseA = i16::fromDouble(double(number(resultDefenseA)));
    g.defenseB = i16::fromDouble(double(number(resultDefenseB)));
    g.speed = i16::fromDouble(double(number(resultSpeed)));
    refreshStatus();
    Windows& forms = Windows::instance();
    forms.unload(this, vbFormCode);
    // The auxiliary list window of the main frame would close here; the game
    // never opens it, so there is nothing to close.
    PlayTrack(1);
    forms.show<TownMenu>();
}

} // namespace kobu
