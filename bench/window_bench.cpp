// A roll of 32000 dice through the real main window, from the click to the list and the total
// painted, beside the same roll through the engine alone into an in-memory list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QObject>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
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
const std::string kWindowLaidOut = "RollThroughWindowUntilLaidOut";

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

// Notes when a widget is painted.
class PaintWatcher final : public QObject {
  public:
    explicit PaintWatcher(QWidget& widget) { widget.installEventFilter(this); }
    bool painted = false;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

// The main window shown, with the clipboard option ticked and 32000 in the d6 count box.
struct WindowRig {
    WindowRig() : window(random) {
        window.show();
        QCoreApplication::processEvents();
        Find<QCheckBox>(window, "chkClip").setChecked(true);
        Find<QLineEdit>(window, "md6").setText(QStringLiteral("32e3"));
    }

    // Rolls, then turns the event loop until Qt has painted the list's rows and, when it
    // changed, the total: what the user sees, painted as the program paints it. This and
    // FinishLayout stay out of line so that callgrind's --toggle-collect can count each apart.
    [[gnu::noinline]] void RollAndPaint() {
        const QString totalBefore = total.text();
        listPaint.painted = false;
        totalPaint.painted = false;
        rollButton.click();
        const bool totalChanged = total.text() != totalBefore;
        while (!listPaint.painted || (totalChanged && !totalPaint.painted)) {
            QCoreApplication::processEvents();
        }
    }

    // Turns the event loop until the view has laid out the last row, and so set the scroll
    // bar's range for every row.
    [[gnu::noinline]] void FinishLayout() const {
        const QModelIndex lastRow = list.model()->index(kDice - 1, 0);
        while (!list.visualRect(lastRow).isValid()) {
            QCoreApplication::processEvents();
        }
    }

    [[nodiscard]] bool Rolled() const {
        // The list shows about twenty rows at a time: the scroll bar covers the rest.
        return list.model()->rowCount() == kDice && total.text().toInt() >= kDice &&
               list.verticalScrollBar()->maximum() > kDice - 100;
    }

    MersenneRandomSource random;
    formKelvane window;
    QPushButton& rollButton = Find<QPushButton>(window, "d6");
    QListView& list = Find<QListView>(window, "rolloutput");
    QLabel& total = Find<QLabel>(window, "totalresult");
    PaintWatcher listPaint{*list.viewport()};
    PaintWatcher totalPaint{total};
};

// From the click to the list's visible rows and the total painted: what the user waits for.
void RollThroughWindow(benchmark::State& state) {
    WindowRig rig;
    for (auto _ : state) {
        rig.RollAndPaint();
        state.PauseTiming();
        rig.FinishLayout();
        state.ResumeTiming();
    }
    if (!rig.Rolled()) {
        state.SkipWithError("the roll did not reach the window");
    }
    state.SetItemsProcessed(state.iterations() * kDice);
}

// The same, and on until the view has laid out every row, a batch per turn of the event loop.
void RollThroughWindowUntilLaidOut(benchmark::State& state) {
    WindowRig rig;
    for (auto _ : state) {
        rig.RollAndPaint();
        rig.FinishLayout();
    }
    if (!rig.Rolled()) {
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
BENCHMARK(RollThroughWindowUntilLaidOut)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

// Prints each window figure as a multiple of the engine's once all have run: wall-clock time,
// and CPU time, which other programs on a shared machine disturb less.
class RatioReporter final : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Aggregate &&
                run.aggregate_name == "median") {
                medians_[run.run_name.function_name] = {run.GetAdjustedRealTime(),
                                                        run.GetAdjustedCPUTime()};
            }
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto engine = medians_.find(kEngineAlone);
        if (engine == medians_.end() || engine->second.real <= 0 || engine->second.cpu <= 0) {
            return;
        }
        for (const auto& [name, what] :
             {std::pair{kWindow, "window, visible rows and total painted"},
              std::pair{kWindowLaidOut, "window, every row laid out"}}) {
            const auto window = medians_.find(name);
            if (window == medians_.end()) {
                continue;
            }
            std::printf(
                "%d dice, medians: %s %.2f ms, engine alone %.2f ms, ratio %.2f "
                "(CPU time %.2f ms against %.2f ms, ratio %.2f)\n",
                kDice, what, window->second.real, engine->second.real,
                window->second.real / engine->second.real, window->second.cpu, engine->second.cpu,
                window->second.cpu / engine->second.cpu);
        }
    }

  private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> medians_;
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
