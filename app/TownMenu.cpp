#include "app/TownMenu.h"

#include "platform/Controls.h"

using namespace platform;

namespace kobu {

TownMenu::TownMenu() : GameWindow(QStringLiteral("Menu")) {
    setTitle(QStringLiteral("めにゅ～"));
    setClientSizeTwips(4680, 3975);
    setKeyPreview(true);
    promptLabel = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("行動を指定してください"), 240,
                       120, 4215, 375);
    shopButton = makeButton(this, QStringLiteral("Command1"), QStringLiteral("店に行く"), 120, 720,
                          4455, 495);
    itemsButton = makeButton(this, QStringLiteral("Command2"), QStringLiteral("アイテムを使う"), 120,
                          1320, 4455, 495);
    battleButton = makeButton(this, QStringLiteral("Command3"), QStringLiteral("準備完了　Battle Start!"),
                          120, 1920, 4455, 495);
    saveButton = makeButton(this, QStringLiteral("Command4"), QStringLiteral("セーブ"), 120, 2760, 4455,
                          495);
    loadButton = makeButton(this, QStringLiteral("Command5"), QStringLiteral("ロード"), 120, 3360, 4455,
                          495);
    onClick(shopButton, [this] { onShopClicked(); });
    onClick(itemsButton, [this] { onItemsClicked(); });
    onClick(battleButton, [this] { onBattleClicked(); });
    onClick(saveButton, [this] { onSaveClicked(); });
    onClick(loadButton, [this] { onLoadClicked(); });
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
