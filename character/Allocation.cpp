#include "character/Allocation.h"

namespace kobu::allocation {
namespace {

enum class Pair { None, IsA, IsB };

struct RowRule {
    i16 GameState::*field;
    int limit; // refused once the result is above it; < 0 for none
    Pair pair;
    Row partner;
};

const RowRule& rule(Row r) {
    static const std::array<RowRule, kRowCount> kRules{{
        {&GameState::maxHp, -1, Pair::None, Row::Hp},
        {&GameState::attackA, 40, Pair::IsA, Row::AttackB},
        {&GameState::attackB, 30, Pair::IsB, Row::AttackA},
        {&GameState::defenseA, 35, Pair::IsA, Row::DefenseB},
        {&GameState::defenseB, 22, Pair::IsB, Row::DefenseA},
        {&GameState::speed, 12, Pair::None, Row::Speed},
    }};
    return kRules[static_cast<size_t>(r)];
}

qint64& resultRef(Draft& d, Row r) {
    return d.result[static_cast<size_t>(r)];
}

bool narrowsPair(const Draft& d, Row row, Press p) {
    const RowRule& r = rule(row);
    const qint64 value = d.resultOf(row);
    const qint64 partner = d.resultOf(r.partner);
    switch (r.pair) {
    case Pair::IsA:
        return p == Press::Right && partner + 3 >= value - 1;
    case Pair::IsB:
        return p == Press::Left && value + 1 >= partner - 3;
    case Pair::None:
        break;
    }
    return false;
}

} // namespace

Draft begin(const GameState& g) {
    Draft d;
    d.points = g.abilityPoints;
    for (const Row r : kRows) {
        d.current[static_cast<size_t>(r)] = g.*rule(r).field;
        resultRef(d, r) = (g.*rule(r).field).value();
    }
    return d;
}

Refusal press(Draft& d, Row row, Press p) {
    const RowRule& r = rule(row);
    const bool pairFirst = r.pair == Pair::IsA;
    if (pairFirst && narrowsPair(d, row, p))
        return Refusal::PairGap;
    if (r.limit >= 0 && d.resultOf(row) > r.limit)
        return Refusal::Limit;
    if (!pairFirst && narrowsPair(d, row, p))
        return Refusal::PairGap;
    if (p != Press::Right && d.points <= d.used)
        return Refusal::NoPointsLeft;
    if (p == Press::Left) {
        resultRef(d, row) += 1;
        d.used += 1;
    } else {
        resultRef(d, row) -= 1;
        d.used -= 1;
    }
    if (d.currentOf(row).value() > d.resultOf(row)) {
        resultRef(d, row) = d.currentOf(row).value();
        d.used += 1;
        return Refusal::BelowCurrent;
    }
    return Refusal::None;
}

void commit(const Draft& d, GameState& g) {
    for (const Row r : kRows)
        g.*rule(r).field = i16::fromDouble(double(d.resultOf(r)));
}

} // namespace kobu::allocation
