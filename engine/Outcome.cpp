#include <algorithm>
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

std::optional<std::int64_t> Measured(const Condition& condition, const Roll& roll) {
    switch (condition.measure) {
        case Measure::Result:
            return roll.total;
        case Measure::FacesShown:
            return FacesShown(roll, condition.face);
        case Measure::KeptFace:
            return roll.terms.empty() ? std::nullopt : KeptFace(roll);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::size_t> FirstRuleHolding(
    const std::vector<OutcomeRule>& rules,
    const std::function<std::optional<std::int64_t>(const Condition&)>& measured) {
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const auto holds = [&measured](const Condition& condition) {
            const std::optional<std::int64_t> value = measured(condition);
            return value && *value >= condition.low && *value <= condition.high;
        };
        if (std::all_of(rules[i].conditions.begin(), rules[i].conditions.end(), holds)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<RolledOutcome> OutcomeOf(const Expression& expression, const Roll& roll) {
    const std::vector<OutcomeRule>& rules = expression.reading.rules;
    const std::optional<std::size_t> i = FirstRuleHolding(
        rules, [&roll](const Condition& condition) { return Measured(condition, roll); });
    if (!i) {
        return std::nullopt;
    }
    const OutcomeRule& rule = rules[*i];
    RolledOutcome outcome{*i, rule.id, rule.name, std::nullopt, ""};
    if (rule.count) {
        const std::int64_t n = FloorDivide(roll.total - rule.count->from, rule.count->per);
        outcome.count = n;
        outcome.countWord = n == 1 ? rule.count->one : rule.count->many;
    }
    return outcome;
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
