// Plays the whole tournament many times with a plain player and reports how
// hard each round is and how long the tournament takes.
//
// The fights go through the battle's own rule functions (rolls, the opponent's
// chance stop, judging, outcome) and the shipped tables (Enemy.dat,
// Bukidata2.dat, Bougyo.dat). The player is deliberately plain:
// - stops his roll at a random moment, so his shown number is a uniform draw
//   from his range; the opponent's roll runs tick by tick until its 1-in-100
//   stop, as in the battle window;
// - uses no skills;
// - spreads ability points evenly, one at a time round the six rows, skipping a
//   row the allocation window would refuse (limits and pair rules);
// - in town heals to full with recovery items and keeps a stock of them that
//   heals from 1 HP to full eight times over, then buys the next weapon or
//   armour upgrade (the cheaper first) and power-up items (in turn) while he
//   can afford them.

#include "battle/Combat.h"
#include "battle/Opponent.h"
#include "character/Allocation.h"
#include "platform/Errors.h"
#include "shop/PowerUps.h"
#include "shop/RecoveryItems.h"
#include "shop/Upgrades.h"
#include "state/GameState.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

using namespace kobu;
namespace combat = kobu::combat;

namespace {

constexpr int kRounds = 10;
constexpr int kMatchCap = 1000; // a run that needs more is reported unfinished
constexpr int kExchangeCap = 100000;
constexpr int kReserveHeals = 8;

// Uniform single-precision values in [0, 1), as the game's generator gives.
class Draws {
  public:
    explicit Draws(std::uint32_t seed) : gen_(seed) {}
    float next() { return float(gen_() >> 8) * (1.0f / 16777216.0f); }

  private:
    std::mt19937 gen_;
};

// ---- The fight ---------------------------------------------------------------

// The opponent's number when its roll stops: a fresh roll every tick, then the
// chance to stop after it is shown.
double opponentStopValue(const GameState& g, int phase, Draws& rnd) {
    for (;;) {
        const i16 v = combat::opponentRoll(g, phase, rnd.next());
        if (combat::opponentStops(rnd.next()))
            return v.value();
    }
}

double playerStopValue(const GameState& g, int phase, Draws& rnd) {
    return combat::playerRoll(g, phase, rnd.next()).value();
}

combat::Outcome playMatch(GameState& g, Draws& rnd) {
    loadOpponent();
    for (int n = 0; n < kExchangeCap; ++n) {
        const double ps = playerStopValue(g, combat::kSpeedContest, rnd);
        const double es = opponentStopValue(g, combat::kSpeedContest, rnd);
        const int phase = combat::judgeSpeedContest(g, ps, es).next;
        const double pa = playerStopValue(g, phase, rnd);
        const double ea = opponentStopValue(g, phase, rnd);
        combat::judgeAttackStep(g, pa, ea);
        combat::endSkillsAfterAttack(g);
        const combat::Outcome o = combat::matchOutcome(g);
        if (o != combat::Outcome::Continue)
            return o;
    }
    return combat::Outcome::Lost; // a match that never ends counts as lost
}

// ---- The plain player in town ------------------------------------------------

struct Tables {
    std::vector<UpgradeRecord> weapons; // 7 read, 6 sold
    std::vector<UpgradeRecord> armour;  // 5
};

// Spreads the points one at a time round the six rows, through the allocation
// window's own rules, skipping a row that refuses a raise.
void allocate(GameState& g, int& cursor) {
    allocation::Draft d = allocation::begin(g);
    int idle = 0; // rows tried in a row without a raise
    while (d.remaining() > 0 && idle < allocation::kRowCount) {
        const allocation::Row r = allocation::kRows[size_t(cursor)];
        cursor = (cursor + 1) % allocation::kRowCount;
        if (allocation::press(d, r, allocation::Press::Left) != allocation::Refusal::None) {
            ++idle;
            continue;
        }
        idle = 0;
    }
    allocation::commit(d, g);
}

struct Item {
    i16 GameState::*count;
    int price;
    int restores;
};
// The shop's items, in the shop's order.
const std::array<Item, 3> kItems = [] {
    std::array<Item, 3> items{};
    for (const recovery::Item i : recovery::kItems) {
        const recovery::ItemRule& r = recovery::rule(i);
        items[size_t(i)] = {r.count, r.price, r.restores};
    }
    return items;
}();

// The cheapest set of items that restores at least `need` hit points, as
// counts per item.
std::array<int, 3> cheapestCover(int need) {
    std::vector<int> cost(size_t(std::max(need, 0)) + 1, 0), first(cost.size(), -1);
    for (int d = 1; d <= need; ++d) {
        cost[size_t(d)] = 1 << 30;
        for (int i = 0; i < 3; ++i) {
            const Item& it = kItems[size_t(i)];
            const int c = it.price + cost[size_t(std::max(0, d - it.restores))];
            if (c < cost[size_t(d)]) {
                cost[size_t(d)] = c;
                first[size_t(d)] = i;
            }
        }
    }
    std::array<int, 3> n{};
    for (int d = need; d > 0; d -= kItems[size_t(first[size_t(d)])].restores)
        ++n[size_t(first[size_t(d)])];
    return n;
}

// Buys up to `wanted` of each item, dearest first, as far as the money goes.
void buyItems(GameState& g, const std::array<int, 3>& wanted) {
    for (int i = 2; i >= 0; --i) {
        const Item& it = kItems[size_t(i)];
        std::array<double, 3> one{};
        one[size_t(i)] = 1;
        for (int k = 0; k < wanted[size_t(i)] && g.money >= it.price; ++k)
            recovery::buy(g, one, recovery::totalPrice(one));
    }
}

int stockHp(const GameState& g) {
    int hp = 0;
    for (const Item& it : kItems)
        hp += (g.*it.count).value() * it.restores;
    return hp;
}

// Drinks from the stock up to full with the fewest hit points wasted (and of
// those, the cheapest items); with too little in stock, drinks it all.
void drinkToFull(GameState& g) {
    const int missing = (g.maxHp - g.hp).value();
    if (missing <= 0)
        return;
    std::array<int, 3> held{};
    for (size_t i = 0; i < 3; ++i)
        held[i] = std::max(0, (g.*kItems[i].count).value());
    std::array<int, 3> best = held;
    long bestKey = -1;
    auto upTo = [&](size_t i) { return std::min(held[i], missing / kItems[i].restores + 1); };
    for (int t = 0; t <= upTo(0); ++t)
        for (int n = 0; n <= upTo(1); ++n)
            for (int s = 0; s <= upTo(2); ++s) {
                const std::array<int, 3> use{t, n, s};
                int hp = 0, price = 0;
                for (size_t i = 0; i < 3; ++i) {
                    hp += use[i] * kItems[i].restores;
                    price += use[i] * kItems[i].price;
                }
                if (hp < missing)
                    continue;
                const long key = long(hp - missing) * 100000 + price;
                if (bestKey < 0 || key < bestKey) {
                    bestKey = key;
                    best = use;
                }
            }
    for (const recovery::Item i : recovery::kItems)
        for (int k = 0; k < best[size_t(i)]; ++k)
            recovery::use(g, i);
}

// Heals to full from the stock, buying what the stock lacks; then keeps a
// stock of several heals from a lost match's 1 HP to full, bought one heal at
// a time. Items keep their worth through a loss where money loses half, so the
// stock is what carries him through a run of losses.
void healAndRestock(GameState& g) {
    const int missing = (g.maxHp - g.hp).value();
    if (missing > stockHp(g))
        buyItems(g, cheapestCover(missing - stockHp(g)));
    drinkToFull(g);
    const int oneHeal = (g.maxHp - 1).value();
    const std::array<int, 3> heal = cheapestCover(oneHeal);
    while (stockHp(g) < kReserveHeals * oneHeal) {
        const int before = g.money.value();
        buyItems(g, heal);
        if (g.money.value() == before)
            return;
    }
}

void buyUpgrades(GameState& g, const Tables& t, int& nextPowerUp) {
    for (;;) {
        const UpgradeRecord* w = atTopLevel(g, UpgradeKind::Weapon)
                                     ? nullptr
                                     : &nextUpgrade(t.weapons, g, UpgradeKind::Weapon);
        const UpgradeRecord* a = atTopLevel(g, UpgradeKind::Armour)
                                     ? nullptr
                                     : &nextUpgrade(t.armour, g, UpgradeKind::Armour);
        const bool wOk = w && g.money >= w->price;
        const bool aOk = a && g.money >= a->price;
        if (wOk && (!aOk || w->price <= a->price)) {
            applyUpgrade(g, UpgradeKind::Weapon, *w);
        } else if (aOk) {
            applyUpgrade(g, UpgradeKind::Armour, *a);
        } else if (!powerUpsUsedUp(g) && canPayPowerUp(g)) {
            applyPowerUp(g, static_cast<PowerUp>(nextPowerUp));
            nextPowerUp = (nextPowerUp + 1) % 3;
        } else {
            return;
        }
    }
}

// ---- Runs and the report ------------------------------------------------------

struct RoundStats {
    int reached = 0;  // runs that met this opponent
    int wonFirst = 0; // ... and beat it at the first meeting
    int won = 0;      // ... and beat it at last
    long matches = 0; // matches fought against it, over all runs
    // The player at the first meeting, summed.
    double maxHp = 0, attackA = 0, attackB = 0, defenseA = 0, defenseB = 0, speed = 0;
};

struct RunResult {
    bool finished = false;
    int matches = 0;
};

RunResult playTournament(const Tables& t, Draws& rnd, std::array<RoundStats, kRounds>& rounds) {
    GameState& g = game();
    const QString appPath = g.appPath;
    g = GameState{};
    assignStartValues(g);
    g.appPath = appPath;
    g.playerName = QStringLiteral("Sim");
    int cursor = 0, nextPowerUp = 0;
    std::array<bool, kRounds> met{};
    RunResult run;
    while (run.matches < kMatchCap) {
        healAndRestock(g);
        buyUpgrades(g, t, nextPowerUp);
        healAndRestock(g); // a capsule raised the maximum
        const int r = g.roundNumber.value() - 1;
        RoundStats& s = rounds[size_t(r)];
        const bool first = !met[size_t(r)];
        if (first) {
            met[size_t(r)] = true;
            ++s.reached;
            s.maxHp += g.maxHp.value();
            s.attackA += g.attackA.value();
            s.attackB += g.attackB.value();
            s.defenseA += g.defenseA.value();
            s.defenseB += g.defenseB.value();
            s.speed += g.speed.value();
        }
        ++s.matches;
        ++run.matches;
        const combat::Outcome o = playMatch(g, rnd);
        if (o == combat::Outcome::Lost) {
            combat::applyLoss(g);
            continue;
        }
        if (first)
            ++s.wonFirst;
        ++s.won;
        const bool overCap = combat::settleWonMatch(g, o);
        if (o == combat::Outcome::Cleared) {
            run.finished = true;
            return run;
        }
        if (overCap)
            combat::halveMoney(g);
        allocate(g, cursor);
    }
    return run;
}

// Nearest-rank percentile of sorted values.
int percentile(const std::vector<int>& sorted, double p) {
    const size_t rank = size_t(std::max(1.0, std::ceil(p * double(sorted.size()))));
    return sorted[std::min(rank, sorted.size()) - 1];
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: balance <game folder> [runs] [seed]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2000;
    const std::uint32_t seed = argc > 3 ? std::uint32_t(std::strtoul(argv[3], nullptr, 10)) : 1;

    game().appPath = folder;
    Tables tables;
    std::array<RoundStats, kRounds> rounds{};
    // Matches per run; a run still going at the cap counts as longer than any.
    std::vector<int> lengths;
    int unfinished = 0;
    try {
        tables.weapons = readUpgrades(game(), UpgradeKind::Weapon);
        tables.armour = readUpgrades(game(), UpgradeKind::Armour);
        Draws rnd(seed);
        for (int i = 0; i < runs; ++i) {
            const RunResult r = playTournament(tables, rnd, rounds);
            lengths.push_back(r.finished ? r.matches : kMatchCap + 1);
            if (!r.finished)
                ++unfinished;
        }
    } catch (const platform::GameError& e) {
        std::fprintf(stderr, "balance: %s\n", e.playerText().toUtf8().constData());
        return 2;
    }
    std::sort(lengths.begin(), lengths.end());

    std::printf("Kobusato balance: %d runs of the plain player, seed %u\n\n", runs, seed);
    std::printf("                                             | the player at the first meeting\n");
    std::printf("round  first win  later wins  reached  matches | max HP  attack A/B  defence A/B"
                "  speed\n");
    double lowest = 100;
    for (int r = 0; r < kRounds; ++r) {
        const RoundStats& s = rounds[size_t(r)];
        const double n = std::max(1, s.reached);
        const double win = 100.0 * s.wonFirst / n;
        const long retries = s.matches - s.reached;
        const double later = retries > 0 ? 100.0 * (s.won - s.wonFirst) / double(retries) : 0;
        lowest = std::min(lowest, win);
        std::printf("%5d  %7.1f %%  %8.1f %%  %7d  %7.2f | %6.1f  %4.1f/%-4.1f   %4.1f/%-4.1f"
                    "  %5.1f\n",
                    r + 1, win, later, s.reached, double(s.matches) / n, s.maxHp / n, s.attackA / n,
                    s.attackB / n, s.defenseA / n, s.defenseB / n, s.speed / n);
    }
    const double round1 = 100.0 * rounds[0].wonFirst / std::max(1, rounds[0].reached);
    std::printf("\nfirst win: runs that beat the opponent at the first meeting; later wins: the"
                " matches won\nagainst it after a loss; matches: matches fought against it per"
                " run that met it.\n\n");
    const int median = percentile(lengths, 0.5);
    const int p90 = percentile(lengths, 0.9);
    auto shown = [](int matches) {
        return matches > kMatchCap ? QStringLiteral("over %1").arg(kMatchCap)
                                   : QString::number(matches);
    };
    std::printf("matches for the whole tournament: median %s, 90th percentile %s, fewest %d;"
                " runs not finished within %d matches: %d\n\n",
                shown(median).toUtf8().constData(), shown(p90).toUtf8().constData(),
                lengths.front(), kMatchCap, unfinished);

    const bool goal1 = round1 >= 75 && round1 <= 85;
    const bool goal2 = lowest >= 25;
    const bool goal3 = median >= 15 && median <= 40;
    std::printf("goals: round 1 about 80 %% (75-85): %s; no round below 25 %%: %s;"
                " median 15-40 matches: %s\n",
                goal1 ? "met" : "MISSED", goal2 ? "met" : "MISSED", goal3 ? "met" : "MISSED");
    return goal1 && goal2 && goal3 ? 0 : 1;
}
