// Throughput of the dice engine alone: whole rolls into an in-memory list with the clipboard
// text built, beside bare die throws from the same generator; and the time to work out the
// distribution of a roll's total.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "engine/DiceEngine.h"
#include "engine/Distribution.h"
#include "engine/Notation.h"
#include "platform/MersenneRandomSource.h"
#include "tests/support/MemoryCaption.h"
#include "tests/support/MemoryCheckBox.h"
#include "tests/support/MemoryClipboard.h"
#include "tests/support/MemoryList.h"

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

notation::DiceTerm Dice(std::int64_t count, std::int64_t sides) {
    notation::DiceTerm term;
    term.count = count;
    term.sides = sides;
    return term;
}

notation::DiceTerm Keep(notation::DiceTerm term, bool keep, bool highest, std::int64_t amount) {
    term.keepDrop = notation::KeepDrop{keep, highest, amount};
    return term;
}

notation::DiceTerm Exploding(notation::DiceTerm term) {
    term.explode = notation::ComparePoint{notation::Compare::Equal, term.sides};
    return term;
}

notation::DiceTerm CountingAtLeast(notation::DiceTerm term, std::int64_t target) {
    term.success = notation::ComparePoint{notation::Compare::GreaterOrEqual, target};
    return term;
}

// The term, with a number added when plus is not 0.
notation::Expression Roll(const notation::DiceTerm& term, std::int64_t plus = 0) {
    notation::Expression expression;
    expression.dice = {term};
    expression.postfix = {{notation::NodeKind::Dice, 0}};
    if (plus != 0) {
        expression.postfix.push_back({notation::NodeKind::Number, plus});
        expression.postfix.push_back({notation::NodeKind::Add});
    }
    return expression;
}

notation::Expression Parsed(std::string_view text) {
    return std::get<notation::Expression>(notation::Parse(text));
}

// The counter "exact" says whether the distribution came out exact or approximate.
void DistributionOfRoll(benchmark::State& state, const notation::Expression& expression) {
    bool exact = false;
    for (auto _ : state) {
        const Distribution distribution = DistributionOf(expression);
        exact = distribution.IsExact();
        benchmark::DoNotOptimize(distribution.Mean());
    }
    state.counters["exact"] = exact ? 1.0 : 0.0;
    state.SetLabel(exact ? "exact" : "approximate");
}
// Registered from main under their names in dice notation.
void RegisterDistributionBenchmarks() {
    const std::vector<std::pair<std::string, notation::Expression>> rolls = {
        {"4d6dl1", Roll(Keep(Dice(4, 6), false, false, 1))},
        {"8d6", Roll(Dice(8, 6))},
        {"2d20kh1+5", Roll(Keep(Dice(2, 20), true, true, 1), 5)},
        {"10d10>=8", Roll(CountingAtLeast(Dice(10, 10), 8))},
        {"3d6!", Roll(Exploding(Dice(3, 6)))},
        {"100d6", Roll(Dice(100, 6))},
        {"1000d6", Roll(Dice(1000, 6))},
        {"1000d20kh500", Roll(Keep(Dice(1000, 20), true, true, 500))},
        {"32000d100", Roll(Dice(32000, 100))},
        // Approximate: simulated with the roller, or for the dice limit a normal curve.
        {"3d6!4dl1", Parsed("3d6!4dl1")},
        {"1d12!11dl2", Parsed("1d12!11dl2")},
        {"d20!!>2=15", Parsed("d20!!>2=15")},
        {"4/(3d4!<4dh4)", Parsed("4/(3d4!<4dh4)")},
        {"d1000000000", Parsed("d1000000000")},
        {"833000d6!", Parsed("833000d6!")},
    };
    for (const auto& [name, expression] : rolls) {
        benchmark::RegisterBenchmark(("DistributionOfRoll/" + name).c_str(), DistributionOfRoll,
                                     expression)
            ->Unit(benchmark::kMicrosecond);
    }
}

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
    RegisterDistributionBenchmarks();
    ThroughputReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
