#include "shop/RecoveryItems.h"

#include <cmath>

namespace kobu::recovery {

const ItemRule& rule(Item item) {
    static const std::array<ItemRule, 3> kRules{{
        {&GameState::tapWaterCount, 20, 5, false},
        {&GameState::naturalWaterCount, 50, 15, true},
        {&GameState::sodaCount, 100, 40, false},
    }};
    return kRules[static_cast<size_t>(item)];
}

bool sellable(double quantity) {
    return quantity >= 0 && quantity == std::floor(quantity);
}

i16 totalPrice(const std::array<double, 3>& q) {
    const auto price = [](Item i) { return double(rule(i).price); };
    return i16::fromDouble((q[1] * price(Item::NaturalWater) + q[0] * price(Item::TapWater)) +
                           q[2] * price(Item::Soda));
}

void buy(GameState& g, const std::array<double, 3>& q, i16 total) {
    g.money = g.money - total;
    for (const Item i : kItems) {
        i16& count = g.*rule(i).count;
        count = i16::fromDouble(count.value() + q[static_cast<size_t>(i)]);
    }
}

void use(GameState& g, Item item) {
    g.hp = g.hp + rule(item).restores;
    if (g.hp > g.maxHp)
        g.hp = g.maxHp;
    i16& count = g.*rule(item).count;
    count = count - 1;
}

bool usable(const GameState& g, Item item) {
    return g.*rule(item).count != 0;
}

bool offAfterUse(Item item, i16 count) {
    return rule(item).offOnlyAtZero ? count == 0 : count <= 0;
}

} // namespace kobu::recovery
