#include "state/EquipmentNames.h"

#include <QCoreApplication>

namespace kobu {
namespace {

// Every name the game can hold: the starting ones and those of the tables
// (assets/data/weapons.tsv and armour.tsv), so that lupdate sees them.
[[maybe_unused]] const char* const kNames[] = {
    QT_TRANSLATE_NOOP("Equipment", "折れそうなバット"),
    QT_TRANSLATE_NOOP("Equipment", "ノーマルな服"),
    QT_TRANSLATE_NOOP("Equipment", "丈夫な木刀"),
    QT_TRANSLATE_NOOP("Equipment", "さびた鉄パイプ"),
    QT_TRANSLATE_NOOP("Equipment", "特売のヌンチャク"),
    QT_TRANSLATE_NOOP("Equipment", "職人の鉄扇"),
    QT_TRANSLATE_NOOP("Equipment", "稲妻のトンファー"),
    QT_TRANSLATE_NOOP("Equipment", "伝説の物干し竿"),
    QT_TRANSLATE_NOOP("Equipment", "光るキーボード"),
    QT_TRANSLATE_NOOP("Equipment", "厚手のジャージ"),
    QT_TRANSLATE_NOOP("Equipment", "段ボールの鎧"),
    QT_TRANSLATE_NOOP("Equipment", "剣道の防具"),
    QT_TRANSLATE_NOOP("Equipment", "特製ライダースーツ"),
    QT_TRANSLATE_NOOP("Equipment", "鋼の道着"),
};

} // namespace

QString shownEquipmentName(const QString& savedName) {
    // The record pads a name with blanks to its width; the translation knows
    // the name without them.
    qsizetype end = savedName.size();
    while (end > 0 && savedName[end - 1] == QLatin1Char(' '))
        --end;
    const QString name = savedName.left(end);
    const QString shown = QCoreApplication::translate("Equipment", name.toUtf8().constData());
    // A name from an edited save that the translation does not know shows as
    // it is, padding and all, as the Japanese game always showed it.
    return shown == name ? savedName : shown;
}

} // namespace kobu
