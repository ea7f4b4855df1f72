#include "engine/RollRecord.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#include "engine/NumberText.h"

namespace kelvane {

namespace {

// The chat line's marks, in the order a die gathers them.
constexpr std::array<std::pair<std::uint8_t, char>, 5> kMarkSigns{{
    {notation::kRerolled, 'r'},
    {notation::kExploded, '!'},
    {notation::kDropped, 'd'},
    {notation::kSuccess, '*'},
    {notation::kFailure, '_'},
}};

// Stands in the written notation for the term that holds the cut; no notation writes it.
constexpr char kCutHere = '\x1f';

// The first `shown` dice of a term as a chat line writes them, "[4, 5, 4, 1d]", or with the
// cut's ending "[4, 5, …] (1000000 dice)" when allDice is more.
std::string TermDice(const notation::RolledTerm& term, std::size_t shown, std::size_t allDice) {
    // Room for the widest value and every mark on each die, and no more: a roll of a million
    // dice writes a few megabytes here.
    std::int64_t widest = 0;
    for (std::size_t i = 0; i < shown; ++i) {
        widest = std::max({widest, term.dice[i].value, -term.dice[i].value * 10});
    }
    const std::size_t perDie = 2 + NumberText(widest).size() + kMarkSigns.size();
    std::string text(2 + shown * perDie, '\0');
    char* next = text.data();
    char* const end = next + text.size();
    *next++ = '[';
    for (std::size_t i = 0; i < shown; ++i) {
        if (i != 0) {
            *next++ = ',';
            *next++ = ' ';
        }
        next = std::to_chars(next, end, term.dice[i].value).ptr;
        for (const auto& [mark, sign] : kMarkSigns) {
            if ((term.dice[i].marks & mark) != 0) {
                *next++ = sign;
            }
        }
    }
    text.resize(static_cast<std::size_t>(next - text.data()));
    if (shown < allDice) {
        text.append(", …] (").append(NumberText(static_cast<std::int64_t>(allDice)));
        text.append(" dice)");
    } else {
        text.push_back(']');
    }
    return text;
}

// A group's rolls in braces, each roll marked after it as a die is, "{[8!, 3], [2]d}"; a roll
// with operators in parentheses before its mark, "{([4, 3]+3)d, [12]}".
notation::GroupText GroupDice(const RollRecord& roll, const notation::Expression& expression) {
    return [&roll, &expression](std::size_t group, std::vector<std::string> rolls) {
        const notation::Group& written = expression.groups[group];
        std::string text = "{";
        for (std::size_t i = 0; i < rolls.size(); ++i) {
            std::string mark;
            if (!written.OfDice() && group < roll.groups.size()) {
                for (const auto& [bit, sign] : kMarkSigns) {
                    if ((roll.groups[group].rolls[i].marks & bit) != 0) {
                        mark.push_back(sign);
                    }
                }
            }
            const bool bare = mark.empty() || written.rolls[i].size() == 1;
            text.append(i == 0 ? "" : ", ").append(bare ? rolls[i] : "(" + rolls[i] + ")");
            text.append(mark);
        }
        return text + "}";
    };
}

}  // namespace

std::string ChatDice(const RollRecord& roll, std::size_t mostDice) {
    std::size_t allDice = 0;
    for (const notation::RolledTerm& term : roll.terms) {
        allDice += term.dice.size();
    }
    const auto* expression = std::get_if<notation::Expression>(&roll.rolled);
    if (expression == nullptr) {
        const notation::RolledTerm& dice = roll.terms.front();
        return TermDice(dice, std::min(mostDice, allDice), allDice);
    }
    // A result the arithmetic cannot say, the higher of two terms, shows the terms side by
    // side, the one not counted marked dropped.
    if (expression->reading.result != notation::ResultRule::Total) {
        std::string text = "{";
        for (const notation::RolledTerm& term : roll.terms) {
            text.append(text.size() > 1 ? ", " : "");
            text.append(TermDice(term, term.dice.size(), term.dice.size()));
        }
        return text + "}";
    }
    if (allDice <= mostDice) {
        return notation::Write(
            *expression,
            [&roll](std::size_t term) {
                const notation::RolledTerm& dice = roll.terms[term];
                return TermDice(dice, dice.dice.size(), dice.dice.size());
            },
            GroupDice(roll, *expression));
    }
    // The term that holds the cut, and how many of its dice come before it.
    std::size_t cutTerm = 0;
    std::size_t before = 0;
    while (before + roll.terms[cutTerm].dice.size() < mostDice) {
        before += roll.terms[cutTerm++].dice.size();
    }
    // Terms are written in the order they stand: what follows the cut's term is left out.
    std::string text = notation::Write(
        *expression,
        [&](std::size_t term) {
            if (term < cutTerm) {
                const notation::RolledTerm& dice = roll.terms[term];
                return TermDice(dice, dice.dice.size(), dice.dice.size());
            }
            return term == cutTerm ? std::string(1, kCutHere) : std::string();
        },
        GroupDice(roll, *expression));
    text.resize(text.find(kCutHere));
    return text + TermDice(roll.terms[cutTerm], mostDice - before, allDice);
}

const notation::Reading* ReadingOf(const RollRecord& roll) {
    const auto* expression = std::get_if<notation::Expression>(&roll.rolled);
    return expression != nullptr && !expression->reading.rules.empty() ? &expression->reading
                                                                       : nullptr;
}

std::string_view DiceName(const RollRecord& roll) {
    // Bands are the player's words for the result, not part of the dice.
    return std::string_view(roll.name).substr(0, roll.name.find(" ? "));
}

std::string ChatLine(
    const RollRecord& roll,
    const std::function<std::string(const notation::RolledOutcome&)>& outcomeText) {
    std::string line = std::string(DiceName(roll)) + ": " + ChatDice(roll) + " = ";
    AppendNumber(line, roll.total);
    if (roll.outcome) {
        line.append(" · ").append(outcomeText(*roll.outcome));
    }
    if (!roll.label.empty()) {
        line.append(" # ").append(roll.label);
    }
    return line;
}

Distribution OddsOf(const RollRecord& roll) {
    if (const auto* expression = std::get_if<notation::Expression>(&roll.rolled)) {
        return DistributionOf(*expression);
    }
    const auto& dice = std::get<DiceOfButtons>(roll.rolled);
    return DistributionOfDice(dice.count, dice.sides);
}

}  // namespace kelvane
