// Throughput of the dice engine alone: whole rolls into an in-memory list with the clipboard
// text built, beside bare die throws from the same generator.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

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

// Prints the 32000-dice roll's throughput beside the bare throws' once both have run.
class ThroughputReporter final : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto rate = run.counters.find("items_per_second");
            if (!run.error_occurred && rate != run.counters.end()) {
                dicePerSecond_[run.benchmark_name()] = rate->second.value;
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto roll = dicePerSecond_.find("RollIntoMemory/32000");
        const auto bare = dicePerSecond_.find("BareRollDie/32000");
        if (roll != dicePerSecond_.end() && bare != dicePerSecond_.end() && roll->second > 0) {
            std::printf(
                "engine alone, 32000 dice with every list line and the clipboard text: %.1f "
                "million dice a second; bare RollDie %.1f million, %.2f times as fast\n",
                roll->second / 1e6, bare->second / 1e6, bare->second / roll->second);
        }
    }

  private:
    std::map<std::string, double> dicePerSecond_;
};

}  // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    ThroughputReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
