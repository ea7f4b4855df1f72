#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/Distribution.h"
#include "engine/NotationRoll.h"
#include "tests/support/EngineBench.h"
#include "tests/support/ScriptedRandomSource.h"

namespace {

void Fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

}  // namespace

// Any bytes as the notation box's text: the parser reads it or names a column within it; what
// it reads, written back in canonical form, reads as the same expression with the same dice
// terms, groups and outcomes; its odds hold together; and rolling it, alone or through the
// engine's list and clipboard, ends with a total or an error, never a crash, an overflow or a
// hang.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelvane::notation;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = Parse(text);
    if (const auto* error = std::get_if<Error>(&parsed)) {
        if (error->column < 1 || static_cast<std::size_t>(error->column) > size + 1) {
            Fail("column outside the text", text);
        }
        return 0;
    }
    const auto& expression = std::get<Expression>(parsed);
    const std::string normalised = expression.Normalised();
    const auto again = Parse(normalised);
    // The same operations on the same operands; only the columns may differ.
    const auto sameNodes = [](const std::vector<Node>& one, const std::vector<Node>& other) {
        return std::equal(
            one.begin(), one.end(), other.begin(), other.end(),
            [](const Node& a, const Node& b) { return a.kind == b.kind && a.number == b.number; });
    };
    // The same groups of the same rolls with the same modifiers.
    const auto sameGroups = [&expression, &sameNodes](const Expression& other) {
        return std::equal(expression.groups.begin(), expression.groups.end(), other.groups.begin(),
                          other.groups.end(), [&sameNodes](const Group& a, const Group& b) {
                              return a.keepDrop == b.keepDrop && a.success == b.success &&
                                     a.failure == b.failure &&
                                     std::equal(a.rolls.begin(), a.rolls.end(), b.rolls.begin(),
                                                b.rolls.end(), sameNodes);
                          });
    };
    // The same dice terms, but for where they stand in the text.
    const auto sameTerms = [&expression](const Expression& other) {
        return std::equal(expression.dice.begin(), expression.dice.end(), other.dice.begin(),
                          other.dice.end(), [](DiceTerm a, DiceTerm b) {
                              a.column = b.column;
                              return a == b;
                          });
    };
    if (!std::holds_alternative<Expression>(again) ||
        !sameNodes(expression.postfix, std::get<Expression>(again).postfix) ||
        !sameGroups(std::get<Expression>(again)) || !sameTerms(std::get<Expression>(again)) ||
        std::get<Expression>(again).Normalised() != normalised ||
        std::get<Expression>(again).reading != expression.reading) {
        Fail("canonical form reads differently", normalised);
    }
    // Rolls of many dice are the benchmarks' business; a scripted source that keeps showing
    // the same faces drives explosions and rerolls to their limits.
    if (expression.DiceBeforeRethrows() <= 1000) {
        kelvane::testing::ScriptedRandomSource random({0.999F, 0.0F, 0.5F});
        (void)RollExpression(expression, random);
        kelvane::testing::EngineBench bench(random);
        (void)bench.engine.RollNotation(text, bench.list, bench.total);
    }
    // Simulated odds take thousands of rolls: only small rolls have theirs worked out here.
    if (expression.DiceBeforeRethrows() <= 20) {
        const kelvane::Distribution odds =
            kelvane::DistributionOf(expression, std::chrono::milliseconds{0});
        const double failure = odds.FailureChance();
        if (!(failure >= 0.0 && failure <= 1.0) || odds.Least() > odds.Most() ||
            (failure < 1.0 && odds.Between(odds.Least(), odds.Most()) != 1.0)) {
            Fail("odds do not hold together", normalised);
        }
    }
    return 0;
}
