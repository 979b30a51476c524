#pragma once
// Power-up items: permanent raises of the abilities, bought in the shop, five
// in a game.

#include "state/GameState.h"

namespace kobu {

inline constexpr int kPowerUpPrice = 400;
inline constexpr int kPowerUpLimit = 5;

// The three items in the order of their buttons.
enum class PowerUp { Capsule, Drink, Drug };

// The item taken: its raise (the capsule max HP +3, the drink both attacks +1,
// the drug both defences +1), one more power-up used, the price paid. `hp` is
// not touched.
void applyPowerUp(GameState& g, PowerUp item);
// No more power-ups in this game.
bool powerUpsUsedUp(const GameState& g);
bool canPayPowerUp(const GameState& g);
// The shop warns of the limit only at exactly the limit: a count above it
// (from a loaded save) passes without a word.
bool atPowerUpLimit(const GameState& g);

} // namespace kobu
