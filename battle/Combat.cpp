#include "battle/Combat.h"

#include <cmath>

namespace kobu::combat {
namespace {

// floor(width * r + lower). `width` already went through 16-bit arithmetic;
// the product and the sum are exact in double, so a draw below 1 can never
// reach lower + width.
i16 rollIn(i16 width, i16 lower, float r) {
    const double v = std::floor(double(width.value()) * double(r) + double(lower.value()));
    return i16::fromDouble(v);
}

} // namespace

i16 playerRoll(const GameState& g, int phase, float r) {
    switch (phase) {
    case kSpeedContest:
        return rollIn(g.speed, 1, r);
    case kPlayerAttack:
    case kMutualAttack:
        return rollIn(g.attackA - g.attackB + 1, g.attackB, r);
    case kOpponentAttack:
        return rollIn(g.defenseA - g.defenseB + 1, g.defenseB, r);
    default:
        return 0;
    }
}

i16 opponentRoll(const GameState& g, int phase, float r) {
    const OpponentRecord& o = g.opponent;
    switch (phase) {
    case kSpeedContest:
        return rollIn(o.enemySpeed - 1, 1, r);
    case kPlayerAttack:
        return rollIn(o.enemyDefenseA - o.enemyDefenseB, o.enemyDefenseB, r);
    case kMutualAttack:
    case kOpponentAttack:
        return rollIn(o.enemyAttackA - o.enemyAttackB, o.enemyAttackB, r);
    default:
        return 0;
    }
}

bool opponentStops(float r2) {
    return std::floor(100.0 * double(r2) + 1.0) == 1.0;
}

Result compareRolls(double player, double opponent) {
    if (player > opponent)
        return Result::Win;
    if (player < opponent)
        return Result::Loss;
    return Result::Draw;
}

bool isFirstOfTwoSpeedRolls(const GameState& g) {
    return g.activeSkill == kSpeedSecret && g.speedRollStep == 1;
}

i16 keepFirstSpeedRoll(GameState& g, double firstRoll) {
    g.speedRollStep = 2;
    return i16::fromDouble(firstRoll);
}

double settleSpeedRolls(GameState& g, double secondRoll, i16 firstRoll) {
    g.activeSkill = kNoSkill;
    const double standing = secondRoll < firstRoll.value() ? double(firstRoll.value()) : secondRoll;
    g.speedRollStep = 1;
    return standing;
}

SpeedVerdict judgeSpeedContest(GameState& g, double player, double opponent) {
    const Result result = compareRolls(player, opponent);
    switch (result) {
    case Result::Win: {
        bool refresh = false;
        if (g.activeSkill == kSpiritAttack) {
            g.attackA = g.attackA * 2;
            refresh = true;
        }
        return {result, kPlayerAttack,
                QStringLiteral(QT_TRANSLATE_NOOP("kobu::BattleWindow", "スピード勝ち")), refresh};
    }
    case Result::Loss: {
        bool refresh = false;
        if (g.activeSkill == kSpiritAttack) {
            // Over before it acted; the speed it halved shows again at the
            // next refresh.
            g.speed = g.skillBackup;
            g.activeSkill = kNoSkill;
        }
        if (g.activeSkill == kHeal) {
            g.speed = g.skillBackup;
            g.activeSkill = kNoSkill;
            refresh = true;
        }
        return {result, kOpponentAttack,
                QStringLiteral(QT_TRANSLATE_NOOP("kobu::BattleWindow", "スピード負け")), refresh};
    }
    case Result::Draw:
    default:
        if (g.activeSkill == kSpiritAttack) {
            g.speed = g.skillBackup;
            g.activeSkill = kNoSkill;
        }
        return {Result::Draw, kMutualAttack,
                QStringLiteral(QT_TRANSLATE_NOOP("kobu::BattleWindow", "スピードドロー")), false};
    }
}

AttackVerdict judgeAttackStep(GameState& g, double player, double opponent) {
    const Result result = compareRolls(player, opponent);
    const bool heal = g.activeSkill == kHeal;
    switch (result) {
    case Result::Win: {
        const double d = player - opponent;
        if (heal) {
            g.hp = i16::fromDouble(g.hp.value() + 2 * d);
            if (g.hp > g.maxHp)
                g.hp = g.maxHp;
        } else {
            g.opponent.enemyHp = i16::fromDouble(g.opponent.enemyHp.value() - d);
        }
        break;
    }
    case Result::Loss:
        g.hp = i16::fromDouble(g.hp.value() - (opponent - player));
        break;
    case Result::Draw:
        break;
    }
    if (heal) {
        g.speed = g.skillBackup;
        g.activeSkill = kNoSkill;
    }
    switch (result) {
    case Result::Win:
        return {result, QStringLiteral(QT_TRANSLATE_NOOP("kobu::BattleWindow", "プレイヤー勝利"))};
    case Result::Loss:
        return {result, QStringLiteral(QT_TRANSLATE_NOOP("kobu::BattleWindow", "プレイヤー負け"))};
    case Result::Draw:
    default:
        return {Result::Draw, QStringLiteral(QT_TRANSLATE_NOOP("kobu::BattleWindow", "ドロー"))};
    }
}

bool endSkillsAfterAttack(GameState& g) {
    if (g.activeSkill == kSpiritAttack) {
        g.attackA = g.attackA.halfRounded();
        g.speed = g.skillBackup;
        g.activeSkill = kNoSkill;
        return true;
    }
    if (g.activeSkill == kEnergyBoost) {
        g.attackA = g.attackA.halfRounded();
        g.attackB = g.attackB.halfRounded();
        g.defenseA = g.defenseA.halfRounded();
        g.defenseB = g.defenseB.halfRounded();
        g.hp = 3;
        g.activeSkill = kNoSkill;
        return true;
    }
    return false;
}

void abandonSkill(GameState& g, int phase) {
    switch (g.activeSkill.value()) {
    case kSpiritAttack:
        if (phase == kPlayerAttack)
            g.attackA = g.attackA.halfRounded();
        g.speed = g.skillBackup;
        break;
    case kHeal:
        g.speed = g.skillBackup;
        break;
    case kEnergyBoost:
        endSkillsAfterAttack(g);
        break;
    case kSpeedSecret:
        g.speedRollStep = 1;
        break;
    default:
        break;
    }
    g.activeSkill = kNoSkill;
}

void activateSkill(GameState& g, int skill) {
    g.activeSkill = skill;
    g.speedRollStep = 1;
    switch (skill) {
    case kSpeedSecret:
        g.hp = g.hp - 4;
        break;
    case kSpiritAttack:
        g.hp = g.hp - 5;
        g.skillBackup = g.speed;
        g.speed = g.speed / 2;
        break;
    case kEnergyBoost:
        g.skillBackup = g.hp;
        g.hp = 1;
        g.attackA = g.attackA * 2;
        g.attackB = g.attackB * 2;
        g.defenseA = g.defenseA * 2;
        g.defenseB = g.defenseB * 2;
        break;
    case kHeal:
        g.hp = g.hp - 1;
        g.skillBackup = g.speed;
        g.speed = g.speed / 2;
        break;
    default:
        break;
    }
}

Outcome matchOutcome(const GameState& g) {
    if (g.hp < 1)
        return Outcome::Lost;
    if (g.opponent.enemyHp < 1)
        return g.roundNumber == kLastRound ? Outcome::Cleared : Outcome::Won;
    return Outcome::Continue;
}

void applyLoss(GameState& g) {
    g.money = g.money / 2;
    g.hp = 1;
}

void grantRewardPoints(GameState& g) {
    g.abilityPoints = g.opponent.enemyRewardPoints;
}

void advanceRound(GameState& g) {
    g.roundNumber = g.roundNumber + 1;
    g.money = g.money + g.opponent.enemyPrizeMoney;
}

bool isOverMoneyCap(const GameState& g) {
    return g.money > kMoneyCap;
}

void halveMoney(GameState& g) {
    g.money = g.money / 2;
}

bool settleWonMatch(GameState& g, Outcome outcome) {
    grantRewardPoints(g);
    if (outcome == Outcome::Cleared)
        return false;
    advanceRound(g);
    return isOverMoneyCap(g);
}

} // namespace kobu::combat
