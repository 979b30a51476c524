#include "shop/PowerUpWindow.h"

#include "app/Navigation.h"
#include "character/StatusWindow.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include "shop/PowerUps.h"
#include "shop/ShopWindow.h"
#include "state/GameState.h"

#include <QLabel>
#include <QPushButton>

using namespace platform;

namespace kobu {

PowerUpWindow::PowerUpWindow() : GameWindow(QStringLiteral("PowerUpWindow")) {
    setClientSizeTwips(4680, 4005);
    setKeyPreview(true);
    picture = makePicture(this, QStringLiteral("Image1"), QStringLiteral(":/ui/power_image1.png"),
                          "POWER UP!", 0, 0, 2265, 1065);
    promptLabel = makeLabel(this, QStringLiteral("Label2"), {}, 2400, 240, 2055, 615);
    const int tops[3] = {1080, 1680, 2280};
    for (int i = 0; i < 3; ++i) {
        itemButtons[i] =
            makeButton(this, QStringLiteral("Command1_%1").arg(i), {}, 240, tops[i], 3975, 495);
        onClick(itemButtons[i], [this, i] { onItemClicked(i); });
    }
    moneyCaption = makeLabel(this, QStringLiteral("Label3"), {}, 240, 2880, 735, 375,
                             Qt::AlignLeft | Qt::AlignVCenter);
    moneyValue = makeLabel(this, QStringLiteral("moneyValue"), {}, 1080, 2880, 3135, 375,
                           Qt::AlignLeft | Qt::AlignVCenter);
    markNotTranslated(moneyValue);
    backButton = makeButton(this, QStringLiteral("Command2"), {}, 1440, 3360, 1695, 615);
    onClick(backButton, [this] { onBackClicked(); });
    // The design's tab order takes the defence item before the drink.
    setTabOrder(itemButtons[0], itemButtons[2]);
    setTabOrder(itemButtons[2], itemButtons[1]);
    setTabOrder(itemButtons[1], backButton);
    translateTexts();
}

void PowerUpWindow::retranslate() {
    setTitle(tr("パワーアップアイテム"));
    promptLabel->setText(tr("買うものをクリックしてください。"));
    itemButtons[0]->setText(tr("パワーカプセル"));
    itemButtons[1]->setText(tr("マッスルドリンク"));
    itemButtons[2]->setText(tr("ディフェンスドラッグ"));
    moneyCaption->setText(tr("所持金"));
    backButton->setText(tr("メニューへ"));
}

void PowerUpWindow::onLoad() {
    moneyValue->setText(game().money.str());
}

void PowerUpWindow::onItemClicked(int index) {
    GameState& g = game();
    if (powerUpsUsedUp(g)) {
        tell(tr("ドーピングしすぎ"), BoxIcon::Exclamation, tr("エラー"));
        return;
    }
    if (!canPayPowerUp(g)) {
        tell(tr("金がないなら帰れ"), BoxIcon::Exclamation, QString());
        navigation::backToShop(*this);
        return;
    }
    for (QPushButton* b : itemButtons)
        b->setEnabled(true);
    if (!ask(tr("%1を買います。よろしいですか？").arg(itemButtons[index]->text()),
             BoxIcon::Question, tr("確認")))
        return;

    applyPowerUp(g, static_cast<PowerUp>(index));
    tell(tr("有難うございました"));
    moneyValue->setText(g.money.str());
    refreshStatus();
    announceMoney(moneyValue);
    // Until the window is opened again, nothing more can be afforded.
    if (!canPayPowerUp(g))
        for (QPushButton* b : itemButtons)
            b->setEnabled(false);
}

void PowerUpWindow::onBackClicked() {
    navigation::backToShop(*this);
}

bool PowerUpWindow::onKeyPreview(Qt::Key key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Backspace)
        navigation::backToShop(*this);
    return false;
}

bool PowerUpWindow::canClose(CloseReason reason) {
    // The player's close box leads back where the back button does.
    if (reason == CloseReason::User)
        navigation::showShop();
    return true;
}

} // namespace kobu
