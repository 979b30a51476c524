#include "character/FHuriwake.h"

#include "app/Menu.h"
#include "character/Sutetasu.h"
#include "media/MidiSaisei.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"
#include "platform/Guard.h"
#include "platform/Services.h"

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
    MsgBox(text, vbOKOnly | vbExclamation, QStringLiteral("エラー"));
}

} // namespace

FHuriwake::FHuriwake() : Form(QStringLiteral("FHuriwake")) {
    setCaption(QStringLiteral("能力値振り分け"));
    setClientSizeTwips(6720, 3600);
    const auto centred = Qt::AlignCenter;
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("能力値"), 120, 120, 1335,
                       375, centred);
    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("現在"), 1560, 120, 855, 375,
                       centred);
    Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("結果"), 2520, 120, 855, 375,
                       centred);

    struct Design {
        const char* image;
        const char* picture;
        const char* lettering;
        QLabel** now;
        QLabel** ato;
        MouseButton** button;
        const char* nowName;
        const char* atoName;
        const char* buttonName;
    };
    const Design rows[] = {
        {"Image1", ":/ui/alloc_hp.png", "HP", &NowHP, &AtoHP, &HPUP, "NowHP", "AtoHP", "HPUP"},
        {"Image6", ":/ui/alloc_attack_a.png", "Attack A", &NowAA, &AtoAA, &AAUP, "NowAA", "AtoAA",
         "AAUP"},
        {"Image5", ":/ui/alloc_attack_b.png", "Attack B", &NowAB, &AtoAB, &ABUP, "NowAB", "AtoAB",
         "ABUP"},
        {"Image4", ":/ui/alloc_defence_a.png", "Defence A", &NowDA, &AtoDA, &DAUP, "NowDA", "AtoDA",
         "DAUP"},
        {"Image3", ":/ui/alloc_defence_b.png", "Defence B", &NowDB, &AtoDB, &DBUP, "NowDB", "AtoDB",
         "DBUP"},
        {"Image2", ":/ui/alloc_speed.png", "Speed", &NowSP, &AtoSP, &SPUP, "NowSP", "AtoSP",
         "SPUP"},
    };
    const QFont valueFont = designFont(QStringLiteral("ＭＳ Ｐゴシック"), 12);
    int top = 600;
    for (const Design& d : rows) {
        makePicture(this, QString::fromLatin1(d.image), QString::fromLatin1(d.picture),
                    QString::fromLatin1(d.lettering), 120, top, 1335, 375);
        *d.now = makeLabel(this, QString::fromLatin1(d.nowName), {}, 1560, top, 855, 375, centred);
        *d.ato = makeLabel(this, QString::fromLatin1(d.atoName), {}, 2520, top, 855, 375, centred);
        (*d.now)->setFont(valueFont);
        (*d.ato)->setFont(valueFont);
        auto* b = new MouseButton(QStringLiteral("↑↓"), this);
        b->setObjectName(QString::fromLatin1(d.buttonName));
        b->setAutoDefault(false);
        setGeometryTwips(b, 3480, top, 615, 375);
        *d.button = b;
        top += 480;
    }
    const auto route = [this](MouseButton* b, void (FHuriwake::*handler)(int, int)) {
        connect(b, &MouseButton::mouseDown, this, [this, handler](int button, int shift) {
            runGuarded(this, [&] { (this->*handler)(button, shift); });
        });
    };
    route(HPUP, &FHuriwake::HPUP_MouseDown);
    route(AAUP, &FHuriwake::AAUP_MouseDown);
    route(ABUP, &FHuriwake::ABUP_MouseDown);
    route(DAUP, &FHuriwake::DAUP_MouseDown);
    route(DBUP, &FHuriwake::DBUP_MouseDown);
    route(SPUP, &FHuriwake::SPUP_MouseDown);

    Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("振り分け方"), 4320, 120,
                       2280, 375, Qt::AlignLeft | Qt::AlignVCenter);
    Label3 = makeLabel(this, QStringLiteral("Label3"),
                       QStringLiteral("左クリックをすると能力値がアップし、右クリックすると増えた能"
                                      "力値を訂正することができます。"),
                       4320, 480, 2280, 1200);
    Label17 = makeLabel(this, QStringLiteral("Label17"), QStringLiteral("残り振り分けポイント"),
                        4320, 1800, 2280, 375, Qt::AlignLeft | Qt::AlignVCenter);
    Huriwake = makeLabel(this, QStringLiteral("Huriwake"), {}, 4320, 2160, 2280, 615, centred);
    Huriwake->setFont(designFont(QStringLiteral("ＭＳ Ｐゴシック"), 18, true));
    OK = makeButton(this, QStringLiteral("OK"), QStringLiteral("ＯＫ！"), 4320, 2880, 2280, 495);
    onClick(OK, [this] { OK_Click(); });
}

void FHuriwake::Form_Load() {
    Forms::instance().showForm(this);
    pointsUsed = 0;
    const GameState& g = game();
    Huriwake->setText(g.abilityPoints.str());
    const std::pair<QLabel*, QLabel*> rows[] = {{NowHP, AtoHP}, {NowAA, AtoAA}, {NowAB, AtoAB},
                                                {NowDA, AtoDA}, {NowDB, AtoDB}, {NowSP, AtoSP}};
    const i16 values[] = {g.maxHp, g.attackA, g.attackB, g.defenseA, g.defenseB, g.speed};
    for (int i = 0; i < 6; ++i) {
        rows[i].first->setText(values[i].str());
        rows[i].second->setText(values[i].str());
    }
}

void FHuriwake::Form_QueryUnload(int& cancel, int unloadMode) {
    // The only way out is a confirmed OK.
    if (unloadMode == vbFormControlMenu)
        cancel = 1;
}

bool FHuriwake::pairRefuses(const Row& row, int button) const {
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

void FHuriwake::pressRow(const Row& row, int button) {
    const GameState& g = game();
    const bool pairFirst = row.pair == Pair::LowerA;
    if (pairFirst && pairRefuses(row, button)) {
        refuse(row.pairText);
        return;
    }
    // The limit looks at the value before the change: one step past it is
    // reachable, and from there the row is fixed, lowering included.
    if (row.limit >= 0 && number(row.ato) > row.limit) {
        refuse(QStringLiteral("上限です"));
        return;
    }
    if (!pairFirst && pairRefuses(row, button)) {
        refuse(row.pairText);
        return;
    }
    if (button != 2 && g.abilityPoints <= pointsUsed) {
        refuse(QStringLiteral("ポイントを使い切っています"));
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
            refuse(QStringLiteral("現在値を下回っています"));
        }
    }
    showRemaining();
}

void FHuriwake::showRemaining() {
    Huriwake->setText((game().abilityPoints - pointsUsed).str());
}

void FHuriwake::HPUP_MouseDown(int button, int shift) {
    (void)shift;
    pressRow({NowHP, AtoHP, nullptr, &GameState::maxHp, -1, Pair::None, {}}, button);
}

void FHuriwake::AAUP_MouseDown(int button, int shift) {
    (void)shift;
    pressRow({NowAA, AtoAA, AtoAB, &GameState::attackA, 40, Pair::LowerA,
              QStringLiteral("これ以上下げられません")},
             button);
}

void FHuriwake::ABUP_MouseDown(int button, int shift) {
    (void)shift;
    pressRow({NowAB, AtoAB, AtoAA, &GameState::attackB, 30, Pair::RaiseB,
              QStringLiteral("これ以上あげられません")},
             button);
}

void FHuriwake::DAUP_MouseDown(int button, int shift) {
    (void)shift;
    pressRow({NowDA, AtoDA, AtoDB, &GameState::defenseA, 35, Pair::LowerA,
              QStringLiteral("これ以上さげられません")},
             button);
}

void FHuriwake::DBUP_MouseDown(int button, int shift) {
    (void)shift;
    pressRow({NowDB, AtoDB, AtoDA, &GameState::defenseB, 22, Pair::RaiseB,
              QStringLiteral("これ以上あげられません")},
             button);
}

void FHuriwake::SPUP_MouseDown(int button, int shift) {
    (void)shift;
    pressRow({NowSP, AtoSP, nullptr, &GameState::speed, 12, Pair::None, {}}, button);
}

void FHuriwake::OK_Click() {
    if (MsgBox(QStringLiteral("これでよろしいですか？"), vbYesNo | vbQuestion,
               QStringLiteral("お～け～？")) != vbYes)
        return;
    GameState& g = game();
    g.maxHp = i16::fromDouble(double(number(AtoHP)));
    g.attackA = i16::fromDouble(double(number(AtoAA)));
    g.attackB = i16::fromDouble(double(number(AtoAB)));
    g.defenseA = i16::fromDouble(double(number(AtoDA)));
    g.defenseB = i16::fromDouble(double(number(AtoDB)));
    g.speed = i16::fromDouble(double(number(AtoSP)));
    RefreshStatus();
    Forms& forms = Forms::instance();
    forms.unload(this, vbFormCode);
    // The auxiliary list window of the main frame would close here; the game
    // never opens it, so there is nothing to close.
    PlayTrack(1);
    forms.show<Menu>();
}

} // namespace kobu
