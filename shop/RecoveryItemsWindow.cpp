#include "shop/RecoveryItemsWindow.h"

#include "app/Navigation.h"
#include "character/StatusWindow.h"
#include "platform/Controls.h"
#include "platform/Geometry.h"
#include "platform/LeadingNumber.h"
#include "platform/Services.h"
#include "shop/RecoveryItems.h"
#include "shop/ShopWindow.h"
#include "state/GameState.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

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

} // namespace

RecoveryItemsWindow::RecoveryItemsWindow() : GameWindow(QStringLiteral("RecoveryItemsWindow")) {
    setClientSizeTwips(4680, 3210);
    setKeyPreview(true);
    const auto mid = Qt::AlignLeft | Qt::AlignVCenter;
    promptLabel = makeLabel(this, QStringLiteral("Label1"), {}, 120, 120, 2055, 375, mid);
    moneyCaption = makeLabel(this, QStringLiteral("Label8"), {}, 2160, 120, 855, 375, mid);
    moneyValue = makeLabel(this, QStringLiteral("moneyValue"), {}, 3120, 120, 1335, 375, mid);
    markNotTranslated(moneyValue);
    divider = makeLine(this, QStringLiteral("Line1"), 0, 480, 4680, 480);

    tapWaterName = makeLabel(this, QStringLiteral("Label2"), {}, 120, 840, 1695, 375);
    tapWaterPrice = makeLabel(this, QStringLiteral("Label5"), {}, 1920, 840, 1215, 375);
    quantityBoxes[0] = makeBox(this, 0, 3600, 840, 855, 270);
    naturalWaterName = makeLabel(this, QStringLiteral("Label4"), {}, 120, 1560, 1695, 375);
    naturalWaterPrice = makeLabel(this, QStringLiteral("Label6"), {}, 1920, 1560, 1335, 495);
    quantityBoxes[1] = makeBox(this, 1, 3600, 1440, 855, 270);
    sodaName = makeLabel(this, QStringLiteral("Label3"), {}, 120, 2280, 1695, 375);
    sodaPrice = makeLabel(this, QStringLiteral("Label7"), {}, 1920, 2280, 1215, 375);
    quantityBoxes[2] = makeBox(this, 2, 3600, 2040, 855, 270);
    // The price captions keep their run of blanks as drawn.
    for (QLabel* l : {tapWaterPrice, naturalWaterPrice, sodaPrice})
        l->setWordWrap(false);

    okButton = makeButton(this, QStringLiteral("Command1"), {}, 600, 2640, 1335, 495);
    cancelButton = makeButton(this, QStringLiteral("Command2"), QStringLiteral("Cancel"), 2813,
                              2640, 1335, 495);
    setEnterButton(okButton);
    setEscapeButton(cancelButton);
    setTabOrder(quantityBoxes[0], quantityBoxes[1]);
    setTabOrder(quantityBoxes[1], quantityBoxes[2]);
    setTabOrder(quantityBoxes[2], okButton);
    setTabOrder(okButton, cancelButton);
    onClick(okButton, [this] { onOkClicked(); });
    onClick(cancelButton, [this] { onCancelClicked(); });
    quantityBoxes[0]->setFocus();
    translateTexts();
}

void RecoveryItemsWindow::retranslate() {
    setTitle(tr("回復アイテム"));
    promptLabel->setText(tr("いくつ買いますか？"));
    moneyCaption->setText(tr("所持金"));
    tapWaterName->setText(tr("おいしい水道水"));
    tapWaterPrice->setText(tr("２０Ｇ     ×"));
    naturalWaterName->setText(tr("おいしい天然水"));
    naturalWaterPrice->setText(tr("５０Ｇ     ×"));
    sodaName->setText(tr("非人道的ソーダ"));
    sodaPrice->setText(tr("１００Ｇ   ×"));
    okButton->setText(tr("OK！"));
}

void RecoveryItemsWindow::onLoad() {
    moneyValue->setText(game().money.str());
}

void RecoveryItemsWindow::onOkClicked() {
    GameState& g = game();
    const std::array<double, 3> quantities{leadingNumber(quantityBoxes[0]->text()),
                                           leadingNumber(quantityBoxes[1]->text()),
                                           leadingNumber(quantityBoxes[2]->text())};
    if (!std::all_of(quantities.begin(), quantities.end(), recovery::sellable)) {
        tell(tr("個数には０以上の整数を入力してください"), BoxIcon::Exclamation, tr("エラー"));
        return;
    }
    // Worked out before anything changes: a total that does not fit in 16 bits
    // is an overflow that leaves money and counts alone.
    const i16 total = recovery::totalPrice(quantities);
    if (total == 0) {
        tell(tr("何も買わないんやったら帰れ！！"), BoxIcon::Exclamation, tr("罪なる行為"));
        return;
    }
    if (total > g.money) {
        tell(tr("所持金が足りません"), BoxIcon::Exclamation, tr("エラー"));
        return;
    }
    if (!ask(tr("合計金額は%1Gです。よろしいですか？").arg(total.str()), BoxIcon::Question,
             tr("確認")))
        return;

    recovery::buy(g, quantities, total);
    refreshStatus();
    moneyValue->setText(g.money.str());
    announceMoney(moneyValue);
}

void RecoveryItemsWindow::onCancelClicked() {
    navigation::backToShop(*this);
}

bool RecoveryItemsWindow::onKeyPreview(Qt::Key key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Backspace)
        navigation::backToShop(*this);
    return false;
}

bool RecoveryItemsWindow::canClose(CloseReason reason) {
    // The player's close box leads back where the back button does.
    if (reason == CloseReason::User)
        navigation::showShop();
    return true;
}

} // namespace kobu
