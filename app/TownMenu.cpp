#include "app/TownMenu.h"

#include "platform/Controls.h"

using namespace platform;

namespace kobu {

TownMenu::TownMenu() : GameWindow(QStringLiteral("Menu")) {
    setClientSizeTwips(4680, 3975);
    setKeyPreview(true);
    promptLabel = makeLabel(this, QStringLiteral("Label1"), {}, 240, 120, 4215, 375);
    shopButton = makeButton(this, QStringLiteral("Command1"), {}, 120, 720, 4455, 495);
    itemsButton = makeButton(this, QStringLiteral("Command2"), {}, 120, 1320, 4455, 495);
    battleButton = makeButton(this, QStringLiteral("Command3"), {}, 120, 1920, 4455, 495);
    saveButton = makeButton(this, QStringLiteral("Command4"), {}, 120, 2760, 4455, 495);
    loadButton = makeButton(this, QStringLiteral("Command5"), {}, 120, 3360, 4455, 495);
    onClick(shopButton, [this] { onShopClicked(); });
    onClick(itemsButton, [this] { onItemsClicked(); });
    onClick(battleButton, [this] { onBattleClicked(); });
    onClick(saveButton, [this] { onSaveClicked(); });
    onClick(loadButton, [this] { onLoadClicked(); });
    translateTexts();
}

void TownMenu::retranslate() {
    setTitle(tr("めにゅ～"));
    promptLabel->setText(tr("行動を指定してください"));
    shopButton->setText(tr("店に行く"));
    itemsButton->setText(tr("アイテムを使う"));
    battleButton->setText(tr("準備完了　Battle Start!"));
    saveButton->setText(tr("セーブ"));
    loadButton->setText(tr("ロード"));
}

void TownMenu::onLoad() {
    setLeftTw(0);
    setTopTw(0);
}

void TownMenu::canClose(int& cancel, int unloadMode) {
    if (unloadMode == vbFormControlMenu)
        cancel = 1;
}

} // namespace kobu
