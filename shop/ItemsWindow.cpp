#include "shop/ItemsWindow.h"

#include "app/Navigation.h"
#include "app/TownMenu.h"
#include "character/StatusWindow.h"
#include "platform/Controls.h"
#include "platform/Services.h"
#include "shop/RecoveryItems.h"
#include "state/GameState.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

using namespace platform;

namespace kobu {
namespace {

// Uses one item after the player confirms it; the stock shown follows.
void useItem(recovery::Item item, const QString& question, QPushButton* button, QLabel* label) {
    GameState& g = game();
    if (!ask(question, BoxIcon::Question, QCoreApplication::translate("kobu::ItemsWindow", "確認")))
        return;
    recovery::use(g, item);
    const i16 left = g.*recovery::rule(item).count;
    if (recovery::offAfterUse(item, left))
        button->setEnabled(false);
    label->setText(left.str());
    refreshStatus();
}

} // namespace

ItemsWindow::ItemsWindow() : GameWindow(QStringLiteral("ItemsWindow")) {
    setClientSizeTwips(5790, 2610);
    setKeyPreview(true);
    const auto mid = Qt::AlignLeft | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    struct Row {
        QLabel*& name;
        QLabel*& count;
        QLabel*& unit;
        QPushButton*& use;
        const char* nameId;
        const char* countId;
        const char* unitId;
        const char* useId;
        int top;
    };
    Row rows[] = {
        {tapWaterName, tapWaterLeft, tapWaterUnit, useTapWaterButton, "Label1", "tapWaterLeft",
         "Label3", "Command1", 120},
        {naturalWaterName, naturalWaterLeft, naturalWaterUnit, useNaturalWaterButton, "Label4",
         "naturalWaterLeft", "Label11", "Command2", 840},
        {sodaName, sodaLeft, sodaUnit, useSodaButton, "Label9", "sodaLeft", "Label10", "Command3",
         1560},
    };
    for (Row& r : rows) {
        r.name = makeLabel(this, QString::fromLatin1(r.nameId), {}, 120, r.top, 2175, 375, mid);
        r.count = makeLabel(this, QString::fromLatin1(r.countId), {}, 2520, r.top, 975, 375, right);
        markNotTranslated(r.count);
        r.unit = makeLabel(this, QString::fromLatin1(r.unitId), {}, 3600, r.top, 375, 375, mid);
        r.use = makeButton(this, QString::fromLatin1(r.useId), {}, 4200, r.top, 1215, 495);
    }
    backButton = makeButton(this, QStringLiteral("Command4"), {}, 2280, 2040, 1215, 495);
    setTabOrder(useTapWaterButton, useNaturalWaterButton);
    setTabOrder(useNaturalWaterButton, useSodaButton);
    setTabOrder(useSodaButton, backButton);
    onClick(useTapWaterButton, [this] { onUseTapWater(); });
    onClick(useNaturalWaterButton, [this] { onUseNaturalWater(); });
    onClick(useSodaButton, [this] { onUseSoda(); });
    onClick(backButton, [this] { onBackClicked(); });
    translateTexts();
}

void ItemsWindow::retranslate() {
    setTitle(tr("アイテム使用"));
    tapWaterName->setText(tr("おいしい水道水"));
    naturalWaterName->setText(tr("おいしい天然水"));
    sodaName->setText(tr("非人道的ソーダ"));
    for (QLabel* unit : {tapWaterUnit, naturalWaterUnit, sodaUnit})
        unit->setText(tr("個"));
    for (QPushButton* use : {useTapWaterButton, useNaturalWaterButton, useSodaButton})
        use->setText(tr("使用"));
    backButton->setText(tr("戻る"));
}

void ItemsWindow::refreshCounts() {
    const GameState& g = game();
    tapWaterLeft->setText(g.tapWaterCount.str());
    naturalWaterLeft->setText(g.naturalWaterCount.str());
    sodaLeft->setText(g.sodaCount.str());
    useTapWaterButton->setEnabled(recovery::usable(g, recovery::Item::TapWater));
    useNaturalWaterButton->setEnabled(recovery::usable(g, recovery::Item::NaturalWater));
    useSodaButton->setEnabled(recovery::usable(g, recovery::Item::Soda));
}

void ItemsWindow::onLoad() {
    // Where the town menu stands, as the other town windows open.
    setLeftTw(0);
    setTopTw(0);
    refreshCounts();
}
void ItemsWindow::onActivate() {
    refreshCounts();
}

void ItemsWindow::onUseTapWater() {
    useItem(recovery::Item::TapWater, tr("HPが５回復します。よろしいですか？"), useTapWaterButton,
            tapWaterLeft);
}

void ItemsWindow::onUseNaturalWater() {
    useItem(recovery::Item::NaturalWater, tr("HPが１５回復します。よろしいですか？"),
            useNaturalWaterButton, naturalWaterLeft);
}

void ItemsWindow::onUseSoda() {
    useItem(recovery::Item::Soda, tr("HPが４０回復します。よろしいですか？"), useSodaButton,
            sodaLeft);
}

void ItemsWindow::onBackClicked() {
    navigation::backToTownHiding(*this);
}

bool ItemsWindow::onKeyPreview(Qt::Key key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_Backspace)
        navigation::backToTown(*this);
    return false;
}

bool ItemsWindow::canClose(CloseReason reason) {
    // The player's close box leads back where the back button does.
    if (reason == CloseReason::User)
        navigation::showTown();
    return true;
}

} // namespace kobu
