#include "state/SaveRecord.h"

#include "platform/Cp932.h"
#include "platform/Process.h"
#include "state/RecordFields.h"

namespace kobu {
namespace {

// The numbers of the record in file order, with their offsets.
struct NumberField {
    int offset;
    i16 GameState::*field;
};

const NumberField kNumbers[] = {
    {0, &GameState::hp},
    {2, &GameState::attackA},
    {4, &GameState::attackB},
    {6, &GameState::defenseA},
    {8, &GameState::defenseB},
    {10, &GameState::money},
    {12, &GameState::reserved1},
    {14, &GameState::roundNumber},
    {16, &GameState::reserved2},
    {18, &GameState::reserved3},
    {20, &GameState::reserved4},
    {22, &GameState::reserved5},
    {24, &GameState::reserved6},
    {26, &GameState::reserved7},
    {88, &GameState::weaponLevel},
    {90, &GameState::armorLevel},
    {122, &GameState::tapWaterCount},
    {124, &GameState::naturalWaterCount},
    {126, &GameState::sodaCount},
    {128, &GameState::maxHp},
    {130, &GameState::powerUpsUsed},
    {132, &GameState::speed},
    {134, &GameState::abilityPoints},
    {136, &GameState::skillMenuPhase},
    {138, &GameState::activeSkill},
    {140, &GameState::hasSpeedSecret},
    {142, &GameState::speedRollStep},
    {144, &GameState::hasSpiritAttack},
    {146, &GameState::hasEnergyBoost},
    {148, &GameState::skillBackup},
    {150, &GameState::hasHeal},
    {152, &GameState::enemyRollStopped},
};

struct TextField {
    int offset;
    QString GameState::*field;
};

const TextField kTexts[] = {
    {28, &GameState::weaponName},
    {58, &GameState::armorName},
    {92, &GameState::playerName},
};

QString fitTo30Characters(const QString& s) {
    QString t = s.left(kSaveTextBytes);
    while (t.size() < kSaveTextBytes)
        t.append(QLatin1Char(' '));
    return t;
}

} // namespace

QByteArray encodeSaveRecord(const GameState& g) {
    QByteArray rec(kSaveRecordLength, '\0');
    for (const NumberField& n : kNumbers)
        putI16(rec, n.offset, g.*n.field);
    for (const TextField& t : kTexts) {
        // A double-byte character cut by the field's end becomes a blank, so
        // the field never ends in half a character.
        const QByteArray bytes =
            platform::cp932Field(fitTo30Characters(g.*t.field), kSaveTextBytes);
        rec.replace(t.offset, kSaveTextBytes, bytes);
    }
    return rec;
}

void decodeSaveRecord(const QByteArray& record, GameState& g) {
    Q_ASSERT(record.size() >= kSaveRecordLength);
    for (const NumberField& n : kNumbers)
        g.*n.field = getI16(record, n.offset);
    // No skill has another number than 1 to 4; any other would count as a
    // skill in force that no exchange ever ends, and lock the skills away.
    if (g.activeSkill < 0 || g.activeSkill > 4)
        g.activeSkill = 0;
    for (const TextField& t : kTexts) {
        QString s = platform::fromCp932(record.mid(t.offset, kSaveTextBytes));
        while (s.size() < kSaveTextBytes)
            s.append(QLatin1Char(' '));
        g.*t.field = s;
    }
}

QString saveFilePath(const GameState& g) {
    return platform::saveFolder(g.appPath) + QStringLiteral("/Data.dat");
}

} // namespace kobu
