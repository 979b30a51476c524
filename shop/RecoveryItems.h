#pragma once
// The three recovery items: bought in quantities in the shop's recovery
// window, used one at a time in the item window to restore hit points. Their
// numbers live here once, for the windows and the balance tool alike.

#include "state/GameState.h"

#include <array>

namespace kobu::recovery {

enum class Item { TapWater, NaturalWater, Soda };
inline constexpr std::array<Item, 3> kItems{Item::TapWater, Item::NaturalWater, Item::Soda};

struct ItemRule {
    i16 GameState::*count; // how many the player holds
    int price;             // G each
    int restores;          // hit points one restores
    // The use button goes off after a use that leaves exactly 0; the other
    // two also at a count below 0 (which only an edited save can hold).
    bool offOnlyAtZero;
};
const ItemRule& rule(Item item);

// ---- Buying ------------------------------------------------------------------
// A quantity the shop sells: none or more, whole. A negative or fractional
// count would let the player raise money or pay for nothing.
bool sellable(double quantity);
// The price of the quantities typed for the three items (tap water, natural
// water, soda), summed as the window has always summed them. A total that does
// not fit in 16 bits is an overflow, found before anything changes.
i16 totalPrice(const std::array<double, 3>& quantities);
// The purchase: the money paid and the quantities added to the stock.
void buy(GameState& g, const std::array<double, 3>& quantities, i16 total);

// ---- Using -------------------------------------------------------------------
// One item taken: its hit points up to the maximum, one item fewer.
void use(GameState& g, Item item);
// Whether the use button is on, when the item window shows the stock.
bool usable(const GameState& g, Item item);
// Whether the use button goes off after a use left `count`.
bool offAfterUse(Item item, i16 count);

} // namespace kobu::recovery
