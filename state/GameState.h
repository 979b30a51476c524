#pragma once
// The one record of the game in progress. Every screen reads and writes its
// fields directly; there is one instance for the whole run.

#include "state/I16.h"

#include <QString>
#include <array>

namespace kobu {

struct OpponentRecord {
    i16 enemyReserved;
    i16 enemyAttackA;
    i16 enemyAttackB;
    i16 enemyDefenseA;
    i16 enemyDefenseB;
    i16 enemySpeed;
    i16 enemyHp;
    i16 enemyRewardPoints;
    i16 enemyPrizeMoney;
    friend bool operator==(const OpponentRecord&, const OpponentRecord&) = default;
};

struct GameState {
    i16 hp;
    i16 attackA;
    i16 attackB;
    i16 defenseA;
    i16 defenseB;
    i16 money;
    i16 reserved1;
    i16 roundNumber;
    i16 reserved2;
    i16 reserved3;
    i16 reserved4;
    i16 reserved5;
    i16 reserved6;
    i16 reserved7;
    QString weaponName;
    QString armorName;
    i16 weaponLevel;
    i16 armorLevel;
    QString playerName;
    i16 tapWaterCount;
    i16 naturalWaterCount;
    i16 sodaCount;
    i16 maxHp;
    i16 powerUpsUsed;
    i16 speed;
    i16 abilityPoints;
    i16 skillMenuPhase;
    i16 activeSkill;
    i16 hasSpeedSecret;
    i16 speedRollStep;
    i16 hasSpiritAttack;
    i16 hasEnergyBoost;
    i16 skillBackup;
    i16 hasHeal;
    OpponentRecord opponent;
    i16 enemyRollStopped;
    QString appPath;
    std::array<QString, 4> musicPaths; // indexed 1 to 3 by track number

    friend bool operator==(const GameState&, const GameState&) = default;
};

// The one instance.
GameState& game();

// The values start-up gives.
void assignStartValues(GameState& g);
// A new game: every field of the reset column, the rest left alone.
void resetGame();
void resetGameState(GameState& g);

struct ProgramPaths {
    QString appPath;
    std::array<QString, 4> musicPaths;
};
// From the program folder as the system reports it: the music paths are built
// from the untrimmed text, appPath loses one trailing separator.
ProgramPaths pathsFromFolder(const QString& folder);

// The guard's copy of the game state, taken when each event begins.
void installStateSnapshots();

inline constexpr int kLastRound = 10;

} // namespace kobu
