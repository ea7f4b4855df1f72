#pragma once

#include <cstdint>

#include "platform/RollLog.h"

namespace kelvane::bench {

// The i-th roll of a long evening, as the log benches write it: two characters, two rolls, a
// label on every third, and a roll every twenty seconds.
inline LoggedRoll BenchRoll(std::int64_t i) {
    LoggedRoll roll;
    roll.rolledAt = 1'765'000'000'000 + i * 20'000;
    roll.character = i % 4 == 0 ? "Brom" : "Aria";
    roll.label = i % 3 == 0 ? "Longsword" : "";
    roll.notation = i % 2 == 0 ? "d20+5" : "4d6dl1";
    roll.dice = i % 2 == 0 ? "[13]+5" : "[4, 5, 4, 1d]";
    roll.total = i % 2 == 0 ? 18 : 13;
    return roll;
}

}  // namespace kelvane::bench
