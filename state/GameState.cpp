#include "state/GameState.h"

namespace kobu {

GameState& game() {
    static GameState g;
    return g;
}

void assignStartValues(GameState& g) {
    g.hp = 10;
    g.attackA = 8;
    g.attackB = 2;
    g.defenseA = 5;
    g.defenseB = 1;
    g.money = 100;
    g.roundNumber = 1;
    g.weaponName = QStringLiteral("折れそうなバット");
    g.armorName = QStringLiteral("ノーマルな服");
    g.weaponLevel = 0;
    g.armorLevel = 0;
    g.maxHp = 10;
    g.speed = 5;
    g.hasSpeedSecret = 0;
    g.hasSpiritAttack = 0;
    g.hasEnergyBoost = 0;
    g.hasHeal = 0;
}

void resetGameState(GameState& g) {
    // A new game starts the character afresh; the start values are the
    // same, and the reset also clears what a game in progress collects.
    assignStartValues(g);
    g.reserved2 = 0;
    g.reserved3 = 0;
    g.reserved4 = 0;
    g.reserved5 = 0;
    g.reserved6 = 0;
    g.reserved7 = 0;
    g.playerName.clear();
    g.tapWaterCount = 0;
    g.naturalWaterCount = 0;
    g.sodaCount = 0;
    g.powerUpsUsed = 0;
    g.speedRollStep = 0;
}

void resetGame() {
    resetGameState(game());
}

ProgramPaths pathsFromFolder(const QString& folder) {
    ProgramPaths p;
    p.musicPaths[1] = folder + QStringLiteral("/Midis/Normal.mid");
    p.musicPaths[2] = folder + QStringLiteral("/Midis/Battle.mid");
    p.musicPaths[3] = folder + QStringLiteral("/Midis/staff.mid");
    p.appPath = folder;
    if (p.appPath.endsWith(QLatin1Char('/')))
        p.appPath.chop(1);
    return p;
}

} // namespace kobu
