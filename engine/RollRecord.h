#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/Distribution.h"
#include "engine/Notation.h"
#include "engine/NotationRoll.h"

namespace kelvane {

// The die buttons' and MdN's roll: m dice of n sides, as the count boxes converted them.
struct DiceOfButtons {
    std::int16_t count = 1;
    std::int16_t sides = 6;
};

// One roll as the engine made it: what was rolled, its dice as numbers with their marks, and
// its total. It is made once and never changed; the list, the log, the odds and the table read
// the same record, and each writes its own text from these numbers.
struct RollRecord {
    std::string name;   // "3d6", "d20", or a notation in its canonical form
    std::string label;  // the notation's text after "#", if any
    std::int64_t total = 0;
    // The dice term by term as thrown; the die buttons' roll is one term.
    std::vector<notation::RolledTerm> terms;
    std::vector<notation::RolledGroup> groups;  // the notation's groups' rolls, as they stood
    std::variant<DiceOfButtons, notation::Expression> rolled;
    // What the result means in the player's game system, for a notation with outcomes.
    std::optional<notation::RolledOutcome> outcome;
};

using RollRecordPtr = std::shared_ptr<const RollRecord>;

inline constexpr std::size_t kAllDice = std::numeric_limits<std::size_t>::max();
// The most dice a logged roll keeps of its chat dice.
inline constexpr std::size_t kLoggedDice = 10'000;

// The roll's dice as chat dice bots write them, such as "[4, 5, 4, 1d]+2" for 4d6dl1+2 or
// "[4, 5, 2]" for three die-button dice. After mostDice dice the rest of the roll is left out
// with "…" and the count of all its dice: "[4, 5, …] (1000000 dice)".
[[nodiscard]] std::string ChatDice(const RollRecord& roll, std::size_t mostDice = kAllDice);

// What the roll's result means, for a notation with outcomes; nothing for any other roll.
[[nodiscard]] const notation::Reading* ReadingOf(const RollRecord& roll);

// The roll's name without any bands: "2d6+1" for "2d6+1 ? 10+ Strong hit; 6- Miss".
[[nodiscard]] std::string_view DiceName(const RollRecord& roll);

// The whole chat line of a notation's roll, such as "4d6dl1+2: [4, 5, 4, 1d]+2 = 15 # Fire",
// without a line end; any outcome follows the total, in the words outcomeText gives it:
// "bitd 3: [5, 2d, 1d] = 5 · Partial".
[[nodiscard]] std::string ChatLine(const RollRecord& roll,
                                   const std::function<std::string(const notation::RolledOutcome&)>&
                                       outcomeText = notation::OutcomeText);

// The distribution of the roll's total, worked out afresh: seconds for the largest rolls, so
// callers run it off the window's thread.
[[nodiscard]] Distribution OddsOf(const RollRecord& roll);

}  // namespace kelvane
