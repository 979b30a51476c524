#pragma once
// The four skills of the skills window (W during a match): what each costs and
// when it is offered. A skill is bought for money at its first use and paid
// for in hit points at every use; what it then does to the match is
// combat::activateSkill.

#include "battle/Combat.h"
#include "state/GameState.h"

namespace kobu::skills {

struct Offer {
    combat::Skill skill;
    i16 GameState::*learnt;
    int price;       // G, paid when it is bought
    int refusedAtHp; // refused for hit points while hp is at most this
    bool speedOnly;  // goes into force only when W was pressed in the speed contest
};
const Offer& offer(combat::Skill skill);

// Whether the skill's button is on, decided once when the window opens from the
// step the match was in when W was pressed.
bool available(const GameState& g, combat::Skill skill);

enum class Refusal { None, Money, Hp };
// Money counts only for a skill not yet bought; hit points for every use.
Refusal refusal(const GameState& g, const Offer& o);

bool learnt(const GameState& g, const Offer& o);
// Whether the skill can go into force in the step W was pressed in.
bool inItsStep(const GameState& g, const Offer& o);
// The first use buys the skill.
void buy(GameState& g, const Offer& o);

} // namespace kobu::skills
