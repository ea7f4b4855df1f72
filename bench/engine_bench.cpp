// Throughput of the dice engine alone: whole rolls into an in-memory list with the clipboard
// text built, beside bare die throws from the same generator.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "DiceEngine.h"
#include "MemoryCaption.h"
#include "MemoryCheckBox.h"
#include "MemoryClipboard.h"
#include "MemoryList.h"
#include "MersenneRandomSource.h"

namespace {

using namespace kelvane;

struct EngineRig {
    MersenneRandomSource random;
    MemoryCaption frame;
    MemoryCaption total;
    MemoryCheckBox copyOption{1};
    MemoryClipboard clipboard;
    MemoryList list;
    DiceEngine engine{random, frame, copyOption, clipboard};
};

void RollIntoMemory(benchmark::State& state) {
    EngineRig rig;
    const auto dice = static_cast<std::int16_t>(state.range(0));
    const std::int16_t sides = 6;
    for (auto _ : state) {
        // One-die rolls append: empty the list so that every pass does the same work.
        rig.list.RemoveAllItems();
        rig.engine.sRollDice(dice, sides, rig.list, rig.total);
        benchmark::DoNotOptimize(rig.list.Lines().Count());
    }
    state.SetItemsProcessed(state.iterations() * dice);
}
BENCHMARK(RollIntoMemory)->Arg(1)->Arg(3)->Arg(100)->Arg(32000)->Unit(benchmark::kMicrosecond);

void BareRollDie(benchmark::State& state) {
    EngineRig rig;
    const auto dice = static_cast<int>(state.range(0));
    const std::int16_t sides = 6;
    for (auto _ : state) {
        for (int i = 0; i < dice; ++i) {
            benchmark::DoNotOptimize(rig.engine.RollDie(sides));
        }
    }
    state.SetItemsProcessed(state.iterations() * dice);
}
BENCHMARK(BareRollDie)->Arg(32000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
