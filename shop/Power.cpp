#include "shop/Power.h"

#include "character/Sutetasu.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include "shop/Store.h"
#include "state/GameState.h"

#include <QLabel>
#include <QPushButton>

using namespace platform;

namespace kobu {

Power::Power() : Form(QStringLiteral("Power")) {
    setCaption(QStringLiteral("パワーアップアイテム"));
    setClientSizeTwips(4680, 4005);
    setKeyPreview(true);
    Image1 = makePicture(this, QStringLiteral("Image1"), QStringLiteral(":/ui/power_image1.png"),
                         QStringLiteral("POWER UP!"), 0, 0, 2265, 1065);
    Label2 = makeLabel(this, QStringLiteral("Label2"),
                       QStringLiteral("買うものをクリックしてください。"), 2400, 240, 2055, 615);
    const QString captions[3] = {QStringLiteral("パワーカプセル"),
                                 QStringLiteral("マッスルドリンク"),
                                 QStringLiteral("ディフェンスドラッグ")};
    const int tops[3] = {1080, 1680, 2280};
    for (int i = 0; i < 3; ++i) {
        Command1[i] = makeButton(this, QStringLiteral("Command1_%1").arg(i), captions[i], 240,
                                 tops[i], 3975, 495);
        onClick(Command1[i], [this, i] { Command1_Click(i); });
    }
    Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("所持金"), 240, 2880, 735,
                       375, Qt::AlignLeft | Qt::AlignVCenter);
    Money = makeLabel(this, QStringLiteral("Money"), {}, 1080, 2880, 3135, 375,
                      Qt::AlignLeft | Qt::AlignVCenter);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("メニューへ"), 1440,
                          3360, 1695, 615);
    onClick(Command2, [this] { Command2_Click(); });
    // The design's tab order takes the defence item before the drink.
    setTabOrder(Command1[0], Command1[2]);
    setTabOrder(Command1[2], Command1[1]);
    setTabOrder(Command1[1], Command2);
}

void Power::Form_Load() {
    Money->setText(game().money.str());
}

void Power::Command1_Click(int index) {
    GameState& g = game();
    if (g.powerUpsUsed >= POWERUP_LIMIT) {
        MsgBox(QStringLiteral("ドーピングしすぎ"), vbOKOnly | vbExclamation,
               QStringLiteral("エラー"));
        return;
    }
    if (g.money < POWERUP_PRICE) {
        MsgBox(QStringLiteral("金がないなら帰れ"), vbOKOnly | vbExclamation, QString());
        Forms::instance().unload(this, vbFormCode);
        return;
    }
    for (QPushButton* b : Command1)
        b->setEnabled(true);
    if (MsgBox(Command1[index]->text() + QStringLiteral("を買います。よろしいですか？"),
               vbYesNo | vbQuestion, QStringLiteral("確認")) != vbYes)
        return;

    ApplyPowerUp(g, index);
    MsgBox(QStringLiteral("有難うございました"), vbOKOnly);
    Money->setText(g.money.str());
    RefreshStatus();
    // Until the window is opened again, nothing more can be afforded.
    if (g.money < POWERUP_PRICE)
        for (QPushButton* b : Command1)
            b->setEnabled(false);
}

void Power::Command2_Click() {
    Forms& forms = Forms::instance();
    forms.unload(this, vbFormCode);
    forms.show<Store>();
}

void Power::Form_KeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == 8)
        Forms::instance().unload(this, vbFormCode);
}

void Power::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    (void)unloadMode;
    Forms::instance().show<Store>();
}

void ApplyPowerUp(GameState& g, int index) {
    switch (index) {
    case 0:
        g.maxHp = g.maxHp + 3;
        break;
    case 1:
        g.attackA = g.attackA + 1;
        g.attackB = g.attackB + 1;
        break;
    case 2:
        g.defenseA = g.defenseA + 1;
        g.defenseB = g.defenseB + 1;
        break;
    default:
        break;
    }
    g.powerUpsUsed = g.powerUpsUsed + 1;
    g.money = g.money - POWERUP_PRICE;
}

} // namespace kobu
