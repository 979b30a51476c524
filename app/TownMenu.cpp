#include "app/TownMenu.h"

#include "app/Navigation.h"
#include "character/StatusWindow.h"
#include "media/MusicPlayer.h"
#include "platform/Controls.h"
#include "platform/Errors.h"
#include "platform/RecordFile.h"
#include "platform/Services.h"
#include "state/SaveRecord.h"

#include <QDir>
#include <QFileInfo>

using namespace platform;

namespace kobu {

TownMenu::TownMenu() : GameWindow(QStringLiteral("Menu")) {
    setTitle(QStringLiteral("めにゅ～"));
    setClientSizeTwips(4680, 3975);
    setKeyPreview(true);
    promptLabel = makeLabel(this, QStringLiteral("Label1"),
                            QStringLiteral("行動を指定してください"), 240, 120, 4215, 375);
    shopButton = makeButton(this, QStringLiteral("Command1"), QStringLiteral("店に行く"), 120, 720,
                            4455, 495);
    itemsButton = makeButton(this, QStringLiteral("Command2"), QStringLiteral("アイテムを使う"),
                             120, 1320, 4455, 495);
    battleButton = makeButton(this, QStringLiteral("Command3"),
                              QStringLiteral("準備完了　Battle Start!"), 120, 1920, 4455, 495);
    saveButton = makeButton(this, QStringLiteral("Command4"), QStringLiteral("セーブ"), 120, 2760,
                            4455, 495);
    loadButton = makeButton(this, QStringLiteral("Command5"), QStringLiteral("ロード"), 120, 3360,
                            4455, 495);
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

// Page Up opens the secret code window.
void TownMenu::onKeyPreview(int& keyCode, int) {
    if (keyCode == 33)
        navigation::toSecretCode();
}

void TownMenu::onShopClicked() {
    navigation::toShop();
}

void TownMenu::onItemsClicked() {
    navigation::toItems();
}

void TownMenu::onBattleClicked() {
    navigation::toMatch();
}

// One save slot: Data/Data.dat in the program folder.
void TownMenu::onSaveClicked() {
    if (MsgBox(QStringLiteral("セーブしてよろしいですか？"),
               vbYesNo | vbInformation | vbDefaultButton2, QStringLiteral("確認")) == vbNo)
        return;
    GameState& g = game();
    const QString path = saveFilePath(g);
    const bool hadSave = QFileInfo(path).isFile();
    try {
        QDir().mkpath(QFileInfo(path).path());
        // Written beside the old save and put in its place only when whole.
        writeRecord(path, kSaveRecordLength, 1, encodeSaveRecord(g));
    } catch (const UnconfirmedReplaceError& e) {
        // The new save is in place; only a crash before the system writes
        // the folder out could undo that.
        const QString undone = hadSave ? QStringLiteral("前のセーブデータに戻る")
                                       : QStringLiteral("セーブデータが残らない");
        MsgBox(QStringLiteral("セーブしましたが、ディスクに書き込まれたことを確かめられません"
                              "でした。このまま電源が切れるなどすると、") +
                   undone + QStringLiteral("ことがあります。\n") + e.playerText(),
               vbOKOnly | vbExclamation, QStringLiteral("警告"));
        return;
    } catch (const FileError& e) {
        // A failed save never touches the old file, but there may be none.
        const QString kept = QFileInfo(path).isFile()
                                 ? QStringLiteral("前のセーブデータはそのまま残っています。")
                                 : QString();
        MsgBox(QStringLiteral("セーブできませんでした。") + kept + QStringLiteral("\n") +
                   e.playerText(),
               vbOKOnly | vbExclamation, QStringLiteral("エラー"));
        return;
    }
    MsgBox(QStringLiteral("セーブしました"));
}

void TownMenu::onLoadClicked() {
    if (MsgBox(QStringLiteral("ロードしてよろしいですか？"),
               vbYesNo | vbInformation | vbDefaultButton2, QStringLiteral("確認")) == vbNo)
        return;
    GameState& g = game();
    const QString path = saveFilePath(g);
    QByteArray rec;
    try {
        rec = readRecord(path, kSaveRecordLength, 1);
    } catch (const FileError&) {
        const QFileInfo file(path);
        const QString why =
            !file.exists() ? QStringLiteral("セーブデータがありません。")
            : file.isFile()
                ? QStringLiteral("セーブデータが壊れているため、ロードできません。")
                : QStringLiteral("セーブデータの場所にあるのが普通のファイルではないため、"
                                 "ロードできません。");
        MsgBox(why + QStringLiteral("\n") + path, vbOKOnly | vbExclamation,
               QStringLiteral("エラー"));
        return;
    }
    decodeSaveRecord(rec, g);
    playMusic(Track::Town);
    refreshStatus();
}

} // namespace kobu
