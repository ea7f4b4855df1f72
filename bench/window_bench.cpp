// A roll of 32000 dice through the real main window, from the click to the list filled and
// the total shown, beside the same roll through the engine alone into an in-memory list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QString>
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
#include "formKelvane.h"

namespace {

using namespace kelvane;

constexpr std::int16_t kDice = 32000;
constexpr std::int16_t kSides = 6;
const std::string kEngineAlone = "RollThroughEngineAlone";
const std::string kWindow = "RollThroughWindow";

template <typename Control>
Control& Find(const QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) {
        qFatal("no control %s", name);
    }
    return *control;
}

// Both rolls build the clipboard text, as the window's clipboard option is ticked below.
void RollThroughEngineAlone(benchmark::State& state) {
    MersenneRandomSource random;
    MemoryCaption frame;
    MemoryCaption total;
    MemoryCheckBox copyOption{1};
    MemoryClipboard clipboard;
    MemoryList list;
    DiceEngine engine{random, frame, copyOption, clipboard};
    for (auto _ : state) {
        engine.sRollDice(kDice, kSides, list, total);
        benchmark::DoNotOptimize(list.Lines().Count());
    }
    state.SetItemsProcessed(state.iterations() * kDice);
}

void RollThroughWindow(benchmark::State& state) {
    MersenneRandomSource random;
    formKelvane window(random);
    window.show();
    QCoreApplication::processEvents();

    Find<QCheckBox>(window, "chkClip").setChecked(true);
    Find<QLineEdit>(window, "md6").setText(QStringLiteral("32e3"));
    auto& rollButton = Find<QPushButton>(window, "d6");
    auto& list = Find<QListView>(window, "rolloutput");
    auto& total = Find<QLabel>(window, "totalresult");

    for (auto _ : state) {
        rollButton.click();
        // The view lays out its rows from a posted event; process it, then paint the list and
        // the total now instead of at the next turn of an event loop, so both are on screen.
        QCoreApplication::processEvents();
        list.repaint();
        total.repaint();
    }

    if (list.model()->rowCount() != kDice || total.text().toInt() < kDice) {
        state.SkipWithError("the roll did not reach the window");
    }
    state.SetItemsProcessed(state.iterations() * kDice);
}

// Wall-clock time, as that is what the user waits for; the median of several repetitions, as
// the machine may be shared.
constexpr int kRepetitions = 5;
BENCHMARK(RollThroughEngineAlone)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(RollThroughWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

// Prints the window's median time as a multiple of the engine's once both have run.
class RatioReporter final : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Aggregate &&
                run.aggregate_name == "median") {
                realTimes_[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto engine = realTimes_.find(kEngineAlone);
        const auto window = realTimes_.find(kWindow);
        if (engine != realTimes_.end() && window != realTimes_.end() && engine->second > 0) {
            std::printf("%d dice, medians: window %.2f ms, engine alone %.2f ms, ratio %.2f\n",
                        kDice, window->second, engine->second, window->second / engine->second);
        }
    }

  private:
    std::map<std::string, double> realTimes_;
};

}  // namespace

int main(int argc, char* argv[]) {
    // No display is needed: the window is laid out and painted off screen.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
