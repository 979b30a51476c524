#include "battle/Opponent.h"

#include "platform/Errors.h"
#include "platform/RecordFile.h"
#include "state/RecordFields.h"

#include <QCoreApplication>
#include <array>

namespace kobu {
namespace {

// The fields in file order; the codec and the table tool both walk this list.
using Field = i16 OpponentRecord::*;
constexpr std::array<Field, 9> kFields = {
    &OpponentRecord::enemyReserved,   &OpponentRecord::enemyAttackA,
    &OpponentRecord::enemyAttackB,    &OpponentRecord::enemyDefenseA,
    &OpponentRecord::enemyDefenseB,   &OpponentRecord::enemySpeed,
    &OpponentRecord::enemyHp,         &OpponentRecord::enemyRewardPoints,
    &OpponentRecord::enemyPrizeMoney,
};

} // namespace

QByteArray encodeOpponent(const OpponentRecord& r) {
    QByteArray out;
    out.reserve(kOpponentRecordLength);
    for (Field f : kFields)
        appendI16(out, r.*f);
    return out;
}

OpponentRecord decodeOpponent(const QByteArray& bytes) {
    if (bytes.size() != kOpponentRecordLength)
        throw platform::FileError(QCoreApplication::translate(
                                      "kobu::Opponent", "対戦相手の記録の長さが正しくありません。"),
                                  QString());
    OpponentRecord r;
    int at = 0;
    for (Field f : kFields) {
        r.*f = getI16(bytes, at);
        at += 2;
    }
    return r;
}

QString rosterPath() {
    return game().appPath + QStringLiteral("/Enemy.dat");
}

void loadOpponent() {
    GameState& g = game();
    const QString path = rosterPath();
    QByteArray bytes;
    try {
        bytes = platform::readRecord(path, kOpponentRecordLength, g.roundNumber.value());
    } catch (const platform::UnopenableFileError& e) {
        // The file itself is the fault: say that of it, not of the round.
        throw platform::FileError(
            QCoreApplication::translate("kobu::Opponent",
                                        "対戦相手のデータ（Enemy.dat）を読めないため、"
                                        "試合を始められません。") +
                QStringLiteral("\n") + platform::playerText(e.problem()),
            path);
    } catch (const platform::FileError&) {
        // Say which match cannot start, not only that a file is short.
        throw platform::FileError(QCoreApplication::translate(
                                      "kobu::Opponent",
                                      "対戦相手のデータ（Enemy.dat）に第%1回戦の相手がいないため、"
                                      "試合を始められません。")
                                      .arg(g.roundNumber.value()),
                                  path);
    }
    g.opponent = decodeOpponent(bytes);
}

} // namespace kobu
