#include "shop/Kaifuku.h"

#include "character/Sutetasu.h"
#include "platform/Controls.h"
#include "platform/Geometry.h"
#include "platform/LeadingNumber.h"
#include "platform/Services.h"
#include "shop/Store.h"
#include "state/GameState.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

using namespace platform;

namespace kobu {
namespace {

QLineEdit* makeBox(QWidget* parent, int index, int left, int top, int width, int height) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("Text1_%1").arg(index));
    setGeometryTwips(e, left, top, width, height);
    // The design's box is a little low for the font; a slimmer frame keeps the
    // digits whole.
    e->setTextMargins(0, 0, 0, 0);
    e->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; }"));
    return e;
}

// A quantity the shop can sell: none or more, whole. Reading a negative or
// fractional count would let the player raise money or pay for nothing.
bool sellable(double q) {
    return q >= 0 && q == std::floor(q);
}

} // namespace

Kaifuku::Kaifuku() : Form(QStringLiteral("Kaifuku")) {
    setCaption(QStringLiteral("回復アイテム"));
    setClientSizeTwips(4680, 3210);
    setKeyPreview(true);
    const auto mid = Qt::AlignLeft | Qt::AlignVCenter;
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("いくつ買いますか？"), 120,
                       120, 2055, 375, mid);
    Label8 = makeLabel(this, QStringLiteral("Label8"), QStringLiteral("所持金"), 2160, 120, 855,
                       375, mid);
    LaShojikin = makeLabel(this, QStringLiteral("LaShojikin"), {}, 3120, 120, 1335, 375, mid);
    Line1 = makeLine(this, QStringLiteral("Line1"), 0, 480, 4680, 480);

    Label2 = makeLabel(this, QStringLiteral("Label2"), QStringLiteral("おいしい水道水"), 120, 840,
                       1695, 375);
    Label5 = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("２０Ｇ     ×"), 1920, 840,
                       1215, 375);
    Text1[0] = makeBox(this, 0, 3600, 840, 855, 270);
    Label4 = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("おいしい天然水"), 120, 1560,
                       1695, 375);
    Label6 = makeLabel(this, QStringLiteral("Label6"), QStringLiteral("５０Ｇ     ×"), 1920, 1560,
                       1335, 495);
    Text1[1] = makeBox(this, 1, 3600, 1440, 855, 270);
    Label3 = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("非人道的ソーダ"), 120, 2280,
                       1695, 375);
    Label7 = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("１００Ｇ   ×"), 1920, 2280,
                       1215, 375);
    Text1[2] = makeBox(this, 2, 3600, 2040, 855, 270);
    // The price captions keep their run of blanks as drawn.
    for (QLabel* l : {Label5, Label6, Label7})
        l->setWordWrap(false);

    Command1 =
        makeButton(this, QStringLiteral("Command1"), QStringLiteral("OK！"), 600, 2640, 1335, 495);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Cancel"), 2813, 2640,
                          1335, 495);
    setDefaultButton(Command1);
    setCancelButton(Command2);
    setTabOrder(Text1[0], Text1[1]);
    setTabOrder(Text1[1], Text1[2]);
    setTabOrder(Text1[2], Command1);
    setTabOrder(Command1, Command2);
    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
    Text1[0]->setFocus();
}

void Kaifuku::Form_Load() {
    LaShojikin->setText(game().money.str());
}

void Kaifuku::Command1_Click() {
    GameState& g = game();
    const double q0 = leadingNumber(Text1[0]->text());
    const double q1 = leadingNumber(Text1[1]->text());
    const double q2 = leadingNumber(Text1[2]->text());
    if (!sellable(q0) || !sellable(q1) || !sellable(q2)) {
        MsgBox(QStringLiteral("個数には０以上の整数を入力してください"), vbOKOnly | vbExclamation,
               QStringLiteral("エラー"));
        return;
    }
    // Worked out before anything changes: a total that does not fit in 16 bits
    // is an overflow that leaves money and counts alone.
    const i16 total = i16::fromDouble((q1 * kRecoveryPrices[1] + q0 * kRecoveryPrices[0]) +
                                      q2 * kRecoveryPrices[2]);
    if (total == 0) {
        MsgBox(QStringLiteral("何も買わないんやったら帰れ！！"), vbOKOnly | vbExclamation,
               QStringLiteral("罪なる行為"));
        return;
    }
    if (total > g.money) {
        MsgBox(QStringLiteral("所持金が足りません"), vbOKOnly | vbExclamation,
               QStringLiteral("エラー"));
        return;
    }
    if (MsgBox(QStringLiteral("合計金額は") + total.str() +
                   QStringLiteral("Gです。よろしいですか？"),
               vbYesNo | vbQuestion, QStringLiteral("確認")) != vbYes)
        return;

    g.money = g.money - total;
    g.tapWaterCount = i16::fromDouble(g.tapWaterCount.value() + leadingNumber(Text1[0]->text()));
    g.naturalWaterCount =
        i16::fromDouble(g.naturalWaterCount.value() + leadingNumber(Text1[1]->text()));
    g.sodaCount = i16::fromDouble(g.sodaCount.value() + leadingNumber(Text1[2]->text()));
    RefreshStatus();
    LaShojikin->setText(g.money.str());
}

void Kaifuku::Command2_Click() {
    Forms::instance().unload(this, vbFormCode);
}

void Kaifuku::Form_KeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == 8)
        Forms::instance().unload(this, vbFormCode);
}

void Kaifuku::Form_QueryUnload(int& cancel, int unloadMode) {
    (void)cancel;
    (void)unloadMode;
    Forms::instance().show<Store>();
}

} // namespace kobu
