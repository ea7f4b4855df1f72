#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/Notation.h"
#include "platform/RandomSource.h"

namespace kelvane::notation {

// What happened to a die, as marks that combine.
enum Mark : std::uint8_t {
    kDropped = 1U << 0U,
    kExploded = 1U << 1U,
    kRerolled = 1U << 2U,  // thrown again; its value does not count
    kSuccess = 1U << 3U,
    kFailure = 1U << 4U,
};

struct RolledDie {
    std::int64_t value = 0;
    std::uint8_t marks = 0;

    friend bool operator==(const RolledDie&, const RolledDie&) = default;
};

// The dice one term threw, in the order thrown, and the term's value.
struct RolledTerm {
    std::vector<RolledDie> dice;
    std::int64_t value = 0;
};

// A group's rolls as they stood: each roll's total marked as a die is (dropped, success,
// failure), and where its terms end in Roll::terms; a group of one roll marks its dice instead.
struct RolledGroup {
    std::vector<RolledDie> rolls;
    std::vector<std::size_t> termsEnd;
    std::int64_t value = 0;

    friend bool operator==(const RolledGroup&, const RolledGroup&) = default;
};

struct Roll {
    std::vector<RolledTerm> terms;    // one for each term of Expression::dice
    std::vector<RolledGroup> groups;  // one for each of Expression::groups
    std::int64_t total = 0;           // the result, as the expression's Reading says
    std::int64_t diceThrown = 0;      // every throw, extra ones included
};

// The outcome a roll's result names.
struct RolledOutcome {
    std::size_t index = 0;  // of its rule in the Reading
    std::string id;
    std::string name;
    std::optional<std::int64_t> count;  // hits or raises, where the rule counts them
    std::string countWord;              // "hit", "hits", as the count needs

    friend bool operator==(const RolledOutcome&, const RolledOutcome&) = default;
};

// The first rule whose conditions all hold, each measure as `measured` gives it (nothing:
// the condition fails); nothing when no rule holds.
[[nodiscard]] std::optional<std::size_t> FirstRuleHolding(
    const std::vector<OutcomeRule>& rules,
    const std::function<std::optional<std::int64_t>(const Condition&)>& measured);

// The first of the reading's rules that holds for the roll; nothing when none holds.
[[nodiscard]] std::optional<RolledOutcome> OutcomeOf(const Expression& expression,
                                                     const Roll& roll);
// The outcome as the list and the clipboard line write it in English: "Partial", or with a
// count "Success, 2 hits", "Raise, 1 raise".
[[nodiscard]] std::string OutcomeText(const RolledOutcome& outcome);

// One throw of a die with the given faces from the random source. Dice of up to 32767 sides
// take one draw, exactly as the die buttons throw them, so that 3d6 typed and 3d6 clicked
// show the same dice; larger dice take two draws, 48 bits, to stay even over their faces.
[[nodiscard]] std::int64_t ThrowDie(RandomSource& random, std::int64_t sides);
[[nodiscard]] std::int64_t ThrowFateDie(RandomSource& random);

// Throws the expression's dice and works out its value. An error leaves nothing half-done
// for the caller: it has written nothing yet.
[[nodiscard]] std::variant<Roll, Error> RollExpression(const Expression& expression,
                                                       RandomSource& random);

}  // namespace kelvane::notation
