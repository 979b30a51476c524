// The town menu's save and load: one slot, Data/Data.dat in the program folder.
#include "app/TownMenu.h"

#include "character/StatusWindow.h"
#include "media/MidiSaisei.h"
#include "platform/Errors.h"
#include "platform/RecordFile.h"
#include "platform/Services.h"
#include "state/SaveRecord.h"

#include <QDir>
#include <QFileInfo>

using namespace platform;

namespace kobu {

void TownMenu::onSaveClicked() {
    if (MsgBox(tr("セーブしてよろしいですか？"), vbYesNo | vbInformation | vbDefaultButton2,
               tr("確認")) == vbNo)
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
        MsgBox(text.arg(e.playerText()), vbOKOnly | vbExclamation, tr("警告"));
        return;
    } catch (const FileError& e) {
        // A failed save never touches the old file, but there may be none.
        const QString text =
            QFileInfo(path).isFile()
                ? tr("セーブできませんでした。前のセーブデータはそのまま残っています。\n%1")
                : tr("セーブできませんでした。\n%1");
        MsgBox(text.arg(e.playerText()), vbOKOnly | vbExclamation, tr("エラー"));
        return;
    }
    MsgBox(tr("セーブしました"));
}

void TownMenu::onLoadClicked() {
    if (MsgBox(tr("ロードしてよろしいですか？"), vbYesNo | vbInformation | vbDefaultButton2,
               tr("確認")) == vbNo)
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
        MsgBox(why.arg(path), vbOKOnly | vbExclamation, tr("エラー"));
        return;
    }
    decodeSaveRecord(rec, g);
    PlayTrack(1);
    refreshStatus();
}

} // namespace kobu
