#include "shop/PowerUps.h"

namespace kobu {

void applyPowerUp(GameState& g, PowerUp item) {
    switch (item) {
    case PowerUp::Capsule:
        g.maxHp = g.maxHp + 3;
        break;
    case PowerUp::Drink:
        g.attackA = g.attackA + 1;
        g.attackB = g.attackB + 1;
        break;
    case PowerUp::Drug:
        g.defenseA = g.defenseA + 1;
        g.defenseB = g.defenseB + 1;
        break;
    }
    g.powerUpsUsed = g.powerUpsUsed + 1;
    g.money = g.money - kPowerUpPrice;
}

bool powerUpsUsedUp(const GameState& g) {
    return g.powerUpsUsed >= kPowerUpLimit;
}

bool canPayPowerUp(const GameState& g) {
    return g.money >= kPowerUpPrice;
}

bool atPowerUpLimit(const GameState& g) {
    return g.powerUpsUsed == kPowerUpLimit;
}

} // namespace kobu
