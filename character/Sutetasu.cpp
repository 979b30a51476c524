#include "character/Sutetasu.h"

#include "app/MDIForm1.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "state/GameState.h"

#include <QLabel>
#include <QMdiArea>
#include <algorithm>

using namespace platform;

namespace kobu {

Sutetasu::Sutetasu() : Form(QStringLiteral("Sutetasu")) {
    setCaption(QStringLiteral("ステータス"));
    setClientSizeTwips(5145, 6195);
    const auto centred = Qt::AlignCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    makePicture(this, QStringLiteral("Image9"), QStringLiteral(":/ui/status_name.png"),
                QStringLiteral("NAME"), 120, 120, 1815, 495);
    makePicture(this, QStringLiteral("Image1"), QStringLiteral(":/ui/status_hp.png"),
                QStringLiteral("HP"), 120, 720, 1095, 495);
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("HP"), 1260, 840, 375, 255);
    makePicture(this, QStringLiteral("Image2"), QStringLiteral(":/ui/status_attack_a.png"),
                QStringLiteral("Attack A"), 120, 1440, 2520, 495);
    makePicture(this, QStringLiteral("Image3"), QStringLiteral(":/ui/status_attack_b.png"),
                QStringLiteral("Attack B"), 120, 2040, 2520, 495);
    makePicture(this, QStringLiteral("Image4"), QStringLiteral(":/ui/status_defence_a.png"),
                QStringLiteral("Defence A"), 120, 2640, 2520, 495);
    makePicture(this, QStringLiteral("Image5"), QStringLiteral(":/ui/status_defence_b.png"),
                QStringLiteral("Defence B"), 120, 3360, 2520, 495);
    makePicture(this, QStringLiteral("Image6"), QStringLiteral(":/ui/status_g.png"),
                QStringLiteral("G"), 120, 4080, 960, 495);
    makePicture(this, QStringLiteral("Image7"), QStringLiteral(":/ui/status_speed.png"),
                QStringLiteral("Speed"), 2640, 4080, 1215, 495);
    makePicture(this, QStringLiteral("Image8"), QStringLiteral(":/ui/status_equipment.png"),
                QStringLiteral("Equipment"), 120, 4800, 1335, 1095);

    LaName = makeLabel(this, QStringLiteral("LaName"), {}, 2040, 120, 2295, 495, centred);
    LaHP = makeLabel(this, QStringLiteral("LaHP"), {}, 1680, 720, 1095, 495, centred);
    LaHHp = makeLabel(this, QStringLiteral("LaHHp"), {}, 3000, 720, 1695, 495, centred);
    LaKoua = makeLabel(this, QStringLiteral("LaKoua"), {}, 2760, 1440, 1815, 495, left);
    LaKoub = makeLabel(this, QStringLiteral("LaKoub"), {}, 2760, 2040, 1815, 495, left);
    LaBoua = makeLabel(this, QStringLiteral("LaBoua"), {}, 2760, 2640, 1815, 495, left);
    LaBoub = makeLabel(this, QStringLiteral("LaBoub"), {}, 2760, 3360, 1815, 495, left);
    LaKane = makeLabel(this, QStringLiteral("LaKane"), {}, 1200, 4080, 1335, 495, left);
    LaSpeed = makeLabel(this, QStringLiteral("LaSpeed"), {}, 3960, 4080, 1215, 495, left);
    LaBuki = makeLabel(this, QStringLiteral("LaBuki"), {}, 1560, 4800, 3495, 495, left);
    LaBougu = makeLabel(this, QStringLiteral("LaBougu"), {}, 1560, 5520, 3495, 495, left);
    for (QLabel* l : {LaName, LaHP, LaHHp, LaKoua, LaKoub, LaBoua, LaBoub, LaKane, LaSpeed})
        l->setFont(designFont(QStringLiteral("ＭＳ Ｐゴシック"), 14, true));
    for (QLabel* l : {LaBuki, LaBougu}) {
        l->setFont(designFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
        l->setWordWrap(false);
    }
    makeLine(this, QStringLiteral("Line2"), 2640, 1320, 3360, 600);
    makeLine(this, QStringLiteral("Line1"), 0, 4680, 5160, 4680);
}

void Sutetasu::Form_Load() {
    const GameState& g = game();
    LaHP->setText(g.hp.str());
    LaHHp->setText(g.maxHp.str());
    LaKoua->setText(g.attackA.str());
    LaKoub->setText(g.attackB.str());
    LaBoua->setText(g.defenseA.str());
    LaBoub->setText(g.defenseB.str());
    LaKane->setText(g.money.str());
    LaBuki->setText(g.weaponName);
    LaBougu->setText(g.armorName);
    LaName->setText(g.playerName);
    LaKane->setText(g.money.str());
    RefreshStatus();
    // The right of the main window, beside the town menu at the left.
    Forms::instance().showForm(this);
    if (MDIForm1* main = MDIForm1::instance()) {
        const double mainWidth = main->frameGeometry().width() * 15.0;
        // Kept inside the client area when the frame's border is wide.
        const double room = main->mdiArea()->viewport()->width() * 15.0 - widthTw();
        setLeftTw(std::max(0.0, std::min(mainWidth - widthTw() - 200, room)));
    }
    setTopTw(0);
}

void Sutetasu::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode == vbFormControlMenu)
        cancel = 1;
}

void RefreshStatus() {
    const GameState& g = game();
    Sutetasu& s = Forms::instance().get<Sutetasu>();
    s.LaHP->setText(g.hp.str());
    s.LaHHp->setText(g.maxHp.str());
    s.LaKoua->setText(g.attackA.str());
    s.LaKoub->setText(g.attackB.str());
    s.LaBoua->setText(g.defenseA.str());
    s.LaBoub->setText(g.defenseB.str());
    s.LaKane->setText(g.money.str());
    s.LaBuki->setText(g.weaponName);
    s.LaBougu->setText(g.armorName);
    s.LaName->setText(g.playerName);
    s.LaKane->setText(g.money.str());
    s.LaSpeed->setText(g.speed.str());
}

} // namespace kobu
