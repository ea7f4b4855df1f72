// Dice notation in the engine alone: reading texts of the longest length the box takes, a
// million dice rolled with every list line and the clipboard line written, and the outcome
// chances of the game systems at their largest sizes.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <variant>

#include "engine/DiceEngine.h"
#include "engine/Notation.h"
#include "engine/odds/Outcomes.h"
#include "platform/MersenneRandomSource.h"
#include "tests/support/MemoryCaption.h"
#include "tests/support/MemoryCheckBox.h"
#include "tests/support/MemoryClipboard.h"
#include "tests/support/MemoryList.h"

namespace {

using namespace kelvane;

// The longest texts of their kind: the deepest nesting, and the most terms.
std::string LongestText(int kind) {
    const auto length = static_cast<int>(notation::kMaxTextLength);
    if (kind == 0) {
        return std::string(length / 2 - 1, '(') + "12" + std::string(length / 2 - 1, ')');
    }
    std::string text = "4d6dl1";
    while (text.size() + 7 <= notation::kMaxTextLength) {
        text += "+4d6dl1";
    }
    return text;
}

void ParseLongestText(benchmark::State& state) {
    const std::string text = LongestText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(notation::Parse(text));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(ParseLongestText)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void RollMillionDice(benchmark::State& state) {
    MersenneRandomSource random;
    MemoryCaption frame;
    MemoryCaption total;
    MemoryCheckBox copyOption{static_cast<int>(state.range(0))};
    MemoryClipboard clipboard;
    MemoryList list;
    DiceEngine engine{random, frame, copyOption, clipboard};
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine.RollNotation("1000000d6", list, total));
    }
    state.SetItemsProcessed(state.iterations() * 1000000);
}
// Without and with the clipboard line.
BENCHMARK(RollMillionDice)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Each should take well under a millisecond.
void OutcomeChancesAtLargestSize(benchmark::State& state) {
    constexpr std::array<const char*, 4> kLargest{"sr 50", "cod 30", "bitd 10", "coc 100 b2"};
    const auto expression = std::get<notation::Expression>(
        notation::Parse(kLargest[static_cast<std::size_t>(state.range(0))]));
    for (auto _ : state) {
        benchmark::DoNotOptimize(OutcomeChancesOf(expression));
    }
}
BENCHMARK(OutcomeChancesAtLargestSize)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
