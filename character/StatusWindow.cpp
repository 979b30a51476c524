#include "character/StatusWindow.h"

#include "app/MainWindow.h"
#include "platform/Announce.h"
#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "state/EquipmentNames.h"
#include "state/GameState.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <algorithm>

using namespace platform;

namespace kobu {

StatusWindow::StatusWindow() : GameWindow(QStringLiteral("StatusWindow")) {
    setClientSizeTwips(5145, 6195);
    const auto centred = Qt::AlignCenter;
    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    makePicture(this, QStringLiteral("Image9"), QStringLiteral(":/ui/status_name.png"), "NAME", 120,
                120, 1815, 495);
    makePicture(this, QStringLiteral("Image1"), QStringLiteral(":/ui/status_hp.png"), "HP", 120,
                720, 1095, 495);
    hpCaption =
        makeLabel(this, QStringLiteral("Label1"), QStringLiteral("HP"), 1260, 840, 375, 255);
    makePicture(this, QStringLiteral("Image2"), QStringLiteral(":/ui/status_attack_a.png"),
                "Attack A", 120, 1440, 2520, 495);
    makePicture(this, QStringLiteral("Image3"), QStringLiteral(":/ui/status_attack_b.png"),
                "Attack B", 120, 2040, 2520, 495);
    makePicture(this, QStringLiteral("Image4"), QStringLiteral(":/ui/status_defence_a.png"),
                "Defence A", 120, 2640, 2520, 495);
    makePicture(this, QStringLiteral("Image5"), QStringLiteral(":/ui/status_defence_b.png"),
                "Defence B", 120, 3360, 2520, 495);
    makePicture(this, QStringLiteral("Image6"), QStringLiteral(":/ui/status_g.png"), "G", 120, 4080,
                960, 495);
    makePicture(this, QStringLiteral("Image7"), QStringLiteral(":/ui/status_speed.png"), "Speed",
                2640, 4080, 1215, 495);
    makePicture(this, QStringLiteral("Image8"), QStringLiteral(":/ui/status_equipment.png"),
                "Equipment", 120, 4800, 1335, 1095);

    nameValue = makeLabel(this, QStringLiteral("nameValue"), {}, 2040, 120, 2295, 495, centred);
    hpValue = makeLabel(this, QStringLiteral("hpValue"), {}, 1680, 720, 1095, 495, centred);
    maxHpValue = makeLabel(this, QStringLiteral("maxHpValue"), {}, 3000, 720, 1695, 495, centred);
    attackAValue = makeLabel(this, QStringLiteral("attackAValue"), {}, 2760, 1440, 1815, 495, left);
    attackBValue = makeLabel(this, QStringLiteral("attackBValue"), {}, 2760, 2040, 1815, 495, left);
    defenseAValue =
        makeLabel(this, QStringLiteral("defenseAValue"), {}, 2760, 2640, 1815, 495, left);
    defenseBValue =
        makeLabel(this, QStringLiteral("defenseBValue"), {}, 2760, 3360, 1815, 495, left);
    moneyValue = makeLabel(this, QStringLiteral("moneyValue"), {}, 1200, 4080, 1335, 495, left);
    speedValue = makeLabel(this, QStringLiteral("speedValue"), {}, 3960, 4080, 1215, 495, left);
    weaponValue = makeLabel(this, QStringLiteral("weaponValue"), {}, 1560, 4800, 3495, 495, left);
    armourValue = makeLabel(this, QStringLiteral("armourValue"), {}, 1560, 5520, 3495, 495, left);
    for (QLabel* l : {nameValue, hpValue, maxHpValue, attackAValue, attackBValue, defenseAValue,
                      defenseBValue, moneyValue, speedValue}) {
        l->setFont(designFont(QStringLiteral("ＭＳ Ｐゴシック"), 14, true));
        markNotTranslated(l);
    }
    for (QLabel* l : {weaponValue, armourValue}) {
        l->setFont(designFont(QStringLiteral("ＭＳ Ｐゴシック"), 12));
        l->setWordWrap(false);
    }
    makeLine(this, QStringLiteral("Line2"), 2640, 1320, 3360, 600);
    makeLine(this, QStringLiteral("Line1"), 0, 4680, 5160, 4680);
    translateTexts();
}

void StatusWindow::retranslate() {
    setTitle(tr("ステータス"));
    const GameState& g = game();
    weaponValue->setText(shownEquipmentName(g.weaponName));
    armourValue->setText(shownEquipmentName(g.armorName));
}

void StatusWindow::onLoad() {
    showState();
    // The right of the main window, beside the town menu at the left.
    Windows::instance().showWindow(this);
    if (MainWindow* main = MainWindow::instance()) {
        const double mainWidth = main->frameGeometry().width() * 15.0;
        // Kept inside the client area when the frame's border is wide.
        const double room = main->mdiArea()->viewport()->width() * 15.0 - widthTw();
        setLeftTw(std::max(0.0, std::min(mainWidth - widthTw() - 200, room)));
    }
    setTopTw(0);
}

bool StatusWindow::canClose(CloseReason reason) {
    return reason != CloseReason::User;
}

void StatusWindow::showState() {
    const GameState& g = game();
    hpValue->setText(g.hp.str());
    maxHpValue->setText(g.maxHp.str());
    attackAValue->setText(g.attackA.str());
    attackBValue->setText(g.attackB.str());
    defenseAValue->setText(g.defenseA.str());
    defenseBValue->setText(g.defenseB.str());
    moneyValue->setText(g.money.str());
    weaponValue->setText(shownEquipmentName(g.weaponName));
    armourValue->setText(shownEquipmentName(g.armorName));
    nameValue->setText(g.playerName);
    speedValue->setText(g.speed.str());
}

void refreshStatus() {
    Windows::instance().get<StatusWindow>().showState();
}

void announceMoney(QWidget* source) {
    announce(
        source,
        QCoreApplication::translate("kobu::StatusWindow", "所持金 %1 G").arg(game().money.str()));
}

void announcePlayerValues(QWidget* source) {
    const GameState& g = game();
    announce(source, QCoreApplication::translate(
                         "kobu::StatusWindow",
                         "HP %1、攻撃A %2、攻撃B %3、防御A %4、防御B %5、スピード %6、所持金 %7 G")
                         .arg(g.hp.str(), g.attackA.str(), g.attackB.str(), g.defenseA.str(),
                              g.defenseB.str(), g.speed.str(), g.money.str()));
}

} // namespace kobu
