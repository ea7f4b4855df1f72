#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/NotationRoll.h"
#include "engine/NumberText.h"

namespace kelvane::notation {

namespace {

// How many dice show the face on their first throw: a die thrown after an exploding one, or
// after a rerolled one, is a further throw of the same die.
std::int64_t FacesShown(const Roll& roll, std::int64_t face) {
    std::int64_t shown = 0;
    for (const RolledTerm& term : roll.terms) {
        bool first = true;
        for (const RolledDie& die : term.dice) {
            shown += first && die.value == face ? 1 : 0;
            first = (die.marks & (kExploded | kRerolled)) == 0;
        }
    }
    return shown;
}

std::optional<std::int64_t> KeptFace(const Roll& roll) {
    for (const RolledDie& die : roll.terms.front().dice) {
        if ((die.marks & (kDropped | kRerolled)) == 0) {
            return die.value;
        }
    }
    return std::nullopt;
}

bool Holds(const Condition& condition, const Roll& roll) {
    std::optional<std::int64_t> measured;
    switch (condition.measure) {
        case Measure::Result:
            measured = roll.total;
            break;
        case Measure::FacesShown:
            measured = FacesShown(roll, condition.face);
            break;
        case Measure::KeptFace:
            measured = roll.terms.empty() ? std::nullopt : KeptFace(roll);
            break;
    }
    return measured && *measured >= condition.low && *measured <= condition.high;
}

}  // namespace

std::optional<RolledOutcome> OutcomeOf(const Expression& expression, const Roll& roll) {
    const std::vector<OutcomeRule>& rules = expression.reading.rules;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        bool holds = true;
        for (const Condition& condition : rules[i].conditions) {
            holds = holds && Holds(condition, roll);
        }
        if (!holds) {
            continue;
        }
        RolledOutcome outcome{i, rules[i].id, rules[i].name, std::nullopt, ""};
        if (const auto& count = rules[i].count) {
            const std::int64_t n = FloorDivide(roll.total - count->from, count->per);
            outcome.count = n;
            outcome.countWord = n == 1 ? count->one : count->many;
        }
        return outcome;
    }
    return std::nullopt;
}

std::string OutcomeText(const RolledOutcome& outcome) {
    std::string text = outcome.name;
    if (outcome.count) {
        text.append(", ");
        AppendNumber(text, *outcome.count);
        text.append(1, ' ').append(outcome.countWord);
    }
    return text;
}

}  // namespace kelvane::notation
