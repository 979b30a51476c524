#include "character/Skills.h"

#include <array>

namespace kobu::skills {

const Offer& offer(combat::Skill skill) {
    static const std::array<Offer, 4> kOffers{{
        {combat::kSpeedSecret, &GameState::hasSpeedSecret, 450, 4, true},
        {combat::kSpiritAttack, &GameState::hasSpiritAttack, 400, 5, true},
        {combat::kEnergyBoost, &GameState::hasEnergyBoost, 1200, 5, false},
        {combat::kHeal, &GameState::hasHeal, 600, 1, true},
    }};
    return kOffers[static_cast<size_t>(skill - combat::kSpeedSecret)];
}

bool available(const GameState& g, combat::Skill skill) {
    const bool speedContest = g.skillMenuPhase == combat::kSpeedContest;
    const bool opponentRolling = g.enemyRollStopped == 0;
    switch (skill) {
    case combat::kSpeedSecret:
        return speedContest;
    case combat::kSpiritAttack:
    case combat::kHeal:
        return opponentRolling && speedContest;
    default:
        return true;
    }
}

Refusal refusal(const GameState& g, const Offer& o) {
    if (g.money < o.price && !learnt(g, o))
        return Refusal::Money;
    if (g.hp <= o.refusedAtHp)
        return Refusal::Hp;
    return Refusal::None;
}

bool learnt(const GameState& g, const Offer& o) {
    return g.*o.learnt != 0;
}

bool inItsStep(const GameState& g, const Offer& o) {
    return !o.speedOnly || g.skillMenuPhase == combat::kSpeedContest;
}

void buy(GameState& g, const Offer& o) {
    g.*o.learnt = kTrue;
    g.money = g.money - o.price;
}

} // namespace kobu::skills
