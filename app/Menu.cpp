#include "app/Menu.h"

#include "platform/Controls.h"

using namespace platform;

namespace kobu {

Menu::Menu() : Form(QStringLiteral("Menu")) {
    setCaption(QStringLiteral("めにゅ～"));
    setClientSizeTwips(4680, 3975);
    setKeyPreview(true);
    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("行動を指定してください"), 240,
                       120, 4215, 375);
    Command1 = makeButton(this, QStringLiteral("Command1"), QStringLiteral("店に行く"), 120, 720,
                          4455, 495);
    Command2 = makeButton(this, QStringLiteral("Command2"), QStringLiteral("アイテムを使う"), 120,
                          1320, 4455, 495);
    Command3 = makeButton(this, QStringLiteral("Command3"), QStringLiteral("準備完了　Battle Start!"),
                          120, 1920, 4455, 495);
    Command4 = makeButton(this, QStringLiteral("Command4"), QStringLiteral("セーブ"), 120, 2760, 4455,
                          495);
    Command5 = makeButton(this, QStringLiteral("Command5"), QStringLiteral("ロード"), 120, 3360, 4455,
                          495);
    onClick(Command1, [this] { Command1_Click(); });
    onClick(Command2, [this] { Command2_Click(); });
    onClick(Command3, [this] { Command3_Click(); });
    onClick(Command4, [this] { Command4_Click(); });
    onClick(Command5, [this] { Command5_Click(); });
}

void Menu::Form_Load() {
    setLeftTw(0);
    setTopTw(0);
}

void Menu::Form_QueryUnload(int& cancel, int unloadMode) {
    if (unloadMode == vbFormControlMenu)
        cancel = 1;
}

} // namespace kobu
