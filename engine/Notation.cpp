#include "engine/Notation.h"

#include <cstdint>
#include <limits>

namespace kelvane::notation {

bool ComparePoint::Matches(std::int64_t face) const noexcept {
    switch (compare) {
        case Compare::Equal:
            return face == target;
        case Compare::Greater:
            return face > target;
        case Compare::GreaterOrEqual:
            return face >= target;
        case Compare::Less:
            return face < target;
        case Compare::LessOrEqual:
            return face <= target;
    }
    return false;
}

std::int64_t FloorDivide(std::int64_t dividend, std::int64_t divisor) noexcept {
    const std::int64_t quotient = dividend / divisor;
    return dividend % divisor != 0 && (dividend < 0) != (divisor < 0) ? quotient - 1 : quotient;
}

std::optional<std::int64_t> Apply(NodeKind kind, std::int64_t left, std::int64_t right) noexcept {
    std::int64_t result = 0;
    bool fails = false;
    switch (kind) {
        case NodeKind::Add:
            fails = __builtin_add_overflow(left, right, &result);
            break;
        case NodeKind::Subtract:
            fails = __builtin_sub_overflow(left, right, &result);
            break;
        case NodeKind::Multiply:
            fails = __builtin_mul_overflow(left, right, &result);
            break;
        case NodeKind::Divide:
            fails = right == 0 || (left == std::numeric_limits<std::int64_t>::min() && right == -1);
            result = fails ? 0 : FloorDivide(left, right);
            break;
        case NodeKind::Negate:
        case NodeKind::Number:
        case NodeKind::Dice:
        case NodeKind::Group:
            fails = true;
            break;
    }
    return fails ? std::nullopt : std::optional(result);
}

std::int64_t Expression::DiceBeforeRethrows() const noexcept {
    std::int64_t count = 0;
    for (const DiceTerm& term : dice) {
        count += term.count;
    }
    return count;
}

}  // namespace kelvane::notation
