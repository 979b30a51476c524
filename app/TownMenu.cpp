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

TownMenu::TownMenu() : GameWindow(QStringLiteral("TownMenu")) {
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

bool TownMenu::canClose(CloseReason reason) {
    return reason != CloseReason::User;
}

// Page Up opens the secret code window.
bool TownMenu::onKeyPreview(Qt::Key key, Qt::KeyboardModifiers) {
    if (key == Qt::Key_PageUp)
        navigation::toSecretCode();
    return false;
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
    if (!ask(tr("セーブしてよろしいですか？"), BoxIcon::Information, tr("確認"), Answer::No))
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
        const QString text =
            hadSave
                ? tr("セーブしましたが、ディスクに書き込まれたことを確かめられませんでした。"
                     "このまま電源が切れるなどすると、前のセーブデータに戻ることがあります。\n%1")
                : tr("セーブしましたが、ディスクに書き込まれたことを確かめられませんでした。"
                     "このまま電源が切れるなどすると、セーブデータが残らないことがあります。\n%1");
        tell(text.arg(e.playerText()), BoxIcon::Exclamation, tr("警告"));
        return;
    } catch (const FileError& e) {
        // A failed save never touches the old file, but there may be none.
        const QString text =
            QFileInfo(path).isFile()
                ? tr("セーブできませんでした。前のセーブデータはそのまま残っています。\n%1")
                : tr("セーブできませんでした。\n%1");
        tell(text.arg(e.playerText()), BoxIcon::Exclamation, tr("エラー"));
        return;
    }
    tell(tr("セーブしました"));
}

void TownMenu::onLoadClicked() {
    if (!ask(tr("ロードしてよろしいですか？"), BoxIcon::Information, tr("確認"), Answer::No))
        return;
    GameState& g = game();
    const QString path = saveFilePath(g);
    QByteArray rec;
    try {
        rec = readRecord(path, kSaveRecordLength, 1);
    } catch (const FileError&) {
        const QFileInfo file(path);
        const QString why = !file.exists() ? tr("セーブデータがありません。\n%1")
                            : file.isFile()
                                ? tr("セーブデータが壊れているため、ロードできません。\n%1")
                                : tr("セーブデータの場所にあるのが普通のファイルではないため、"
                                     "ロードできません。\n%1");
        tell(why.arg(path), BoxIcon::Exclamation, tr("エラー"));
        return;
    }
    decodeSaveRecord(rec, g);
    playMusic(Track::Town);
    refreshStatus();
}

} // namespace kobu
