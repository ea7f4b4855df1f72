#include "engine/NotationRoll.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace kelvane::notation {

namespace {

constexpr std::int64_t kOneDrawSides = 32767;
constexpr double kDrawScale = 16777216.0;  // 2^24: a draw holds 24 bits

// The draw's 24 bits as a whole number.
std::uint64_t DrawBits(RandomSource& random) {
    return static_cast<std::uint64_t>(static_cast<double>(random.Next()) * kDrawScale);
}

// The dice that stand: not thrown again.
std::vector<RolledDie*> Standing(std::vector<RolledDie>& dice) {
    std::vector<RolledDie*> standing;
    standing.reserve(dice.size());
    for (RolledDie& die : dice) {
        if ((die.marks & kRerolled) == 0) {
            standing.push_back(&die);
        }
    }
    return standing;
}

// Marks the dice, or a group's rolls, that the rule drops.
void MarkDropped(const std::vector<RolledDie*>& standing, const KeepDrop& rule) {
    const auto count = static_cast<std::int64_t>(standing.size());
    const std::int64_t amount = std::min(rule.amount, count);
    // Keeping the K highest is dropping all but them from the lowest.
    const bool dropHighest = rule.keep ? !rule.highest : rule.highest;
    const auto dropped = static_cast<std::size_t>(rule.keep ? count - amount : amount);
    std::vector<std::size_t> order(standing.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    // Among equal values the last thrown goes first, so that 2d20kh1 keeps the first of two
    // equal dice.
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::int64_t x = standing[a]->value;
        const std::int64_t y = standing[b]->value;
        if (x != y) {
            return dropHighest ? x > y : x < y;
        }
        return a > b;
    });
    for (std::size_t i = 0; i < dropped; ++i) {
        standing[order[i]]->marks |= kDropped;
    }
}

// The sum of the dice not dropped, or with a success point their successes less their
// failures, each marked; nothing when the sum leaves 64 bits.
std::optional<std::int64_t> Counted(const std::vector<RolledDie*>& standing,
                                    const std::optional<ComparePoint>& success,
                                    const std::optional<ComparePoint>& failure) {
    std::int64_t value = 0;
    for (RolledDie* die : standing) {
        if ((die->marks & kDropped) != 0) {
            continue;
        }
        if (!success) {
            if (__builtin_add_overflow(value, die->value, &value)) {
                return std::nullopt;
            }
            continue;
        }
        if (success->Matches(die->value)) {
            die->marks |= kSuccess;
            ++value;
        }
        if (failure && failure->Matches(die->value)) {
            die->marks |= kFailure;
            --value;
        }
    }
    return value;
}

class TermRoller {
  public:
    TermRoller(const DiceTerm& term, RandomSource& random, std::int64_t& diceThrown)
        : term_(term), random_(random), diceThrown_(diceThrown) {}

    // Throws the term's dice into rolled; false when the roll passes kMaxDice.
    bool Run(RolledTerm& rolled) {
        std::vector<RolledDie>& dice = rolled.dice;
        dice.reserve(static_cast<std::size_t>(term_.count));
        for (std::int64_t i = 0; i < term_.count; ++i) {
            std::int64_t face = 0;
            if (!ThrowKept(dice, face)) {
                return false;
            }
            if (!term_.explode) {
                dice.push_back({face, 0});
            } else if (term_.compound) {
                std::int64_t sum = face;
                int explosions = 0;
                while (term_.explode->Matches(face) && explosions < kMaxRethrowsPerDie) {
                    if (!ThrowKept(dice, face)) {
                        return false;
                    }
                    sum += face;
                    ++explosions;
                }
                dice.push_back({sum, static_cast<std::uint8_t>(explosions > 0 ? kExploded : 0)});
            } else {
                for (int explosions = 0;; ++explosions) {
                    const bool explodes =
                        term_.explode->Matches(face) && explosions < kMaxRethrowsPerDie;
                    dice.push_back({face, static_cast<std::uint8_t>(explodes ? kExploded : 0)});
                    if (!explodes) {
                        break;
                    }
                    if (!ThrowKept(dice, face)) {
                        return false;
                    }
                }
            }
        }
        KeepOrDrop(dice);
        rolled.value = Count(dice);
        return true;
    }

  private:
    bool Throw(std::int64_t& face) {
        if (++diceThrown_ > kMaxDice) {
            return false;
        }
        face = term_.fate ? ThrowFateDie(random_) : ThrowDie(random_, term_.sides);
        return true;
    }

    // One die through its rerolls; the faces thrown away are listed, marked as rerolled.
    bool ThrowKept(std::vector<RolledDie>& dice, std::int64_t& face) {
        if (!Throw(face)) {
            return false;
        }
        if (!term_.reroll) {
            return true;
        }
        const int rethrows = term_.rerollOnce ? 1 : kMaxRethrowsPerDie;
        for (int i = 0; i < rethrows && term_.reroll->Matches(face); ++i) {
            dice.push_back({face, kRerolled});
            if (!Throw(face)) {
                return false;
            }
        }
        return true;
    }

    void KeepOrDrop(std::vector<RolledDie>& dice) const {
        if (term_.keepDrop) {
            std::vector<RolledDie*> standing = Standing(dice);
            MarkDropped(standing, *term_.keepDrop);
        }
    }

    // A term's dice are too few and too small for their sum to leave 64 bits.
    std::int64_t Count(std::vector<RolledDie>& dice) const {
        return *Counted(Standing(dice), term_.success, term_.failure);
    }

    const DiceTerm& term_;
    RandomSource& random_;
    std::int64_t& diceThrown_;
};

// The results the notation's arithmetic cannot say: the dice not counted are marked dropped.
void ApplyReading(const Reading& reading, Roll& roll) {
    switch (reading.result) {
        case ResultRule::Total:
            return;
        case ResultRule::HigherTermPlus: {
            // Equal values keep the first term, the trait die.
            const std::size_t lower = roll.terms[1].value > roll.terms[0].value ? 0 : 1;
            for (RolledDie& die : roll.terms[lower].dice) {
                die.marks |= kDropped;
            }
            roll.total = roll.terms[1 - lower].value + reading.add;
            return;
        }
        case ResultRule::Percentile: {
            const std::int64_t units = roll.terms[0].dice.front().value % 10;
            std::vector<RolledDie>& tens = roll.terms[1].dice;
            auto value = [units](const RolledDie& ten) {
                const std::int64_t percent = ten.value % 10 * 10 + units;
                return percent == 0 ? 100 : percent;
            };
            std::size_t kept = 0;
            for (std::size_t i = 1; i < tens.size(); ++i) {
                const std::int64_t difference = value(tens[i]) - value(tens[kept]);
                if (difference * reading.add > 0) {
                    kept = i;
                }
            }
            for (std::size_t i = 0; i < tens.size(); ++i) {
                tens[i].marks |= i == kept ? 0 : kDropped;
            }
            roll.total = value(tens[kept]);
            return;
        }
    }
}

}  // namespace

std::int64_t ThrowDie(RandomSource& random, std::int64_t sides) {
    if (sides <= kOneDrawSides) {
        const double product = static_cast<double>(sides) * static_cast<double>(random.Next());
        return static_cast<std::int64_t>(std::floor(product)) + 1;
    }
    // floor(u * sides / 2^48) for the 48-bit u = high * 2^24 + low, in 64-bit steps: each
    // product stays below 2^54 for sides below 2^30.
    const std::uint64_t high = DrawBits(random);
    const std::uint64_t low = DrawBits(random);
    const auto s = static_cast<std::uint64_t>(sides);
    return static_cast<std::int64_t>((high * s + ((low * s) >> 24U)) >> 24U) + 1;
}

std::int64_t ThrowFateDie(RandomSource& random) { return ThrowDie(random, 3) - 2; }

namespace {

// Works out a postfix: the expression's own, or a group's roll's, throwing each term's dice as
// it comes to it.
class Evaluator {
  public:
    Evaluator(const Expression& expression, RandomSource& random, Roll& roll)
        : expression_(expression), random_(random), roll_(roll) {}

    std::optional<Error> Run(const std::vector<Node>& postfix, std::int64_t& value) {
        std::vector<std::int64_t> stack;
        for (const Node& node : postfix) {
            switch (node.kind) {
                case NodeKind::Number:
                    stack.push_back(node.number);
                    break;
                case NodeKind::Dice: {
                    const auto index = static_cast<std::size_t>(node.number);
                    RolledTerm& term = roll_.terms[index];
                    if (!TermRoller(expression_.dice[index], random_, roll_.diceThrown).Run(term)) {
                        return Error{ErrorCode::TooManyDice, node.column};
                    }
                    termsRolled_ = std::max(termsRolled_, index + 1);
                    stack.push_back(term.value);
                    break;
                }
                case NodeKind::Group: {
                    std::int64_t group = 0;
                    if (auto error = RollGroup(static_cast<std::size_t>(node.number), group)) {
                        return error;
                    }
                    stack.push_back(group);
                    break;
                }
                case NodeKind::Negate:
                    if (stack.back() == std::numeric_limits<std::int64_t>::min()) {
                        return Error{ErrorCode::ResultOutOfRange, node.column};
                    }
                    stack.back() = -stack.back();
                    break;
                case NodeKind::Add:
                case NodeKind::Subtract:
                case NodeKind::Multiply:
                case NodeKind::Divide: {
                    const std::int64_t right = stack.back();
                    stack.pop_back();
                    if (node.kind == NodeKind::Divide && right == 0) {
                        return Error{ErrorCode::DivisionByZero, node.column};
                    }
                    const auto result = Apply(node.kind, stack.back(), right);
                    if (!result) {
                        return Error{ErrorCode::ResultOutOfRange, node.column};
                    }
                    stack.back() = *result;
                    break;
                }
            }
        }
        value = stack.back();
        return std::nullopt;
    }

  private:
    // Each roll as the expression's own; then the group keeps, drops and counts its rolls'
    // totals, or a group of one roll all its dice.
    std::optional<Error> RollGroup(std::size_t index, std::int64_t& value) {
        const Group& group = expression_.groups[index];
        RolledGroup& rolled = roll_.groups[index];
        for (const std::vector<Node>& roll : group.rolls) {
            std::int64_t total = 0;
            if (auto error = Run(roll, total)) {
                return error;
            }
            rolled.rolls.push_back({total, 0});
            rolled.termsEnd.push_back(termsRolled_);
        }
        std::vector<RolledDie*> standing;
        if (group.OfDice()) {
            for (const Node& node : group.rolls.front()) {
                if (node.kind == NodeKind::Dice) {
                    const auto dice =
                        Standing(roll_.terms[static_cast<std::size_t>(node.number)].dice);
                    standing.insert(standing.end(), dice.begin(), dice.end());
                }
            }
        } else {
            for (RolledDie& roll : rolled.rolls) {
                standing.push_back(&roll);
            }
        }
        if (group.keepDrop) {
            MarkDropped(standing, *group.keepDrop);
        }
        const std::optional<std::int64_t> total = Counted(standing, group.success, group.failure);
        if (!total) {
            return Error{ErrorCode::ResultOutOfRange, group.column};
        }
        if (group.OfDice()) {
            // Each term's value is its share of the group's.
            for (const Node& node : group.rolls.front()) {
                if (node.kind == NodeKind::Dice) {
                    RolledTerm& term = roll_.terms[static_cast<std::size_t>(node.number)];
                    term.value = *Counted(Standing(term.dice), group.success, group.failure);
                }
            }
            rolled.rolls.front().value = *total;
        }
        rolled.value = *total;
        value = *total;
        return std::nullopt;
    }

    const Expression& expression_;
    RandomSource& random_;
    Roll& roll_;
    std::size_t termsRolled_ = 0;
};

}  // namespace

std::variant<Roll, Error> RollExpression(const Expression& expression, RandomSource& random) {
    Roll roll;
    roll.terms.resize(expression.dice.size());
    roll.groups.resize(expression.groups.size());
    if (auto error = Evaluator(expression, random, roll).Run(expression.postfix, roll.total)) {
        return *error;
    }
    ApplyReading(expression.reading, roll);
    return roll;
}

}  // namespace kelvane::notation
