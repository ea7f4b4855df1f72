// A roll of 32000 dice through the real main window, from the click to the list and the total
// painted, beside the same roll through the engine alone into an in-memory list; the same for a
// million dice typed as notation, logged, with the memory the window holds after it; and a
// typical notation roll from Enter to the total painted, and on to its odds painted. The
// 32000-dice roll once more with the roll log written, and again with every roll shared with the
// table too, as the program wires them: KELVANE_DISCORD_API_BASE and SSL_CERT_FILE name a local
// server to post to, and without them the posts fail and wait to be tried again, as on a machine
// that is offline.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QObject>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bench/PaintWatcher.h"
#include "platform/MersenneRandomSource.h"
#include "platform/storage/SqliteTableOutbox.h"
#include "session/RollLogger.h"
#include "session/TableSharing.h"
#include "session/WebhookPoster.h"
#include "tests/support/EngineBench.h"
#include "tests/support/PrivateDataFolder.h"
#include "ui/main/formKelvane.h"

namespace {

using namespace kelvane;

constexpr std::int16_t kDice = 32000;
constexpr std::int16_t kSides = 6;
constexpr const char* kMillionDice = "1000000d6";
constexpr std::int64_t kMillion = 1000000;
const std::string kEngineAlone = "RollThroughEngineAlone";
const std::string kWindow = "RollThroughWindow";
const std::string kWindowLaidOut = "RollThroughWindowUntilLaidOut";
const std::string kWindowLogged = "RollThroughWindowLogged";
const std::string kWindowSharing = "RollThroughWindowSharing";
const std::string kNotationEngineAlone = "NotationThroughEngineAlone";
const std::string kNotationWindow = "NotationThroughWindow";

// The process's resident memory in KiB.
long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

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
    testing::EngineBench bench(random);
    for (auto _ : state) {
        bench.engine.sRollDice(kDice, kSides, bench.list, bench.total);
        benchmark::DoNotOptimize(bench.list.Lines().Count());
    }
    state.SetItemsProcessed(state.iterations() * kDice);
}

void NotationThroughEngineAlone(benchmark::State& state) {
    MersenneRandomSource random;
    testing::EngineBench bench(random);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.engine.RollNotation(kMillionDice, bench.list, bench.total));
    }
    state.SetItemsProcessed(state.iterations() * kMillion);
}

using bench::PaintWatcher;

// The main window shown, its rolls logged unless asked otherwise, with the clipboard option
// ticked and a roll ready: 32000 in the d6 count box, or notation in its box.
struct WindowRig {
    enum class Log { kKept, kOff };

    explicit WindowRig(const char* notation = nullptr, Log log = Log::kKept) : window(random) {
        if (log == Log::kKept) {
            logger.emplace(window.Database());
            logger->Attach(window);
            if (!logger->Keeping()) {
                qFatal("the roll log cannot be written");
            }
        }
        QObject::connect(&window, &formKelvane::rollShown,
                         [this](quint64 roll, const RollShown& /*shown*/) { lastRoll = roll; });
        QObject::connect(&window, &formKelvane::oddsShown,
                         [this](quint64 roll, const Distribution& /*odds*/) { oddsRoll = roll; });
        window.show();
        QCoreApplication::processEvents();
        Find<QCheckBox>(window, "chkClip").setChecked(true);
        Find<QLineEdit>(window, "md6").setText(QStringLiteral("32e3"));
        if (notation != nullptr) {
            notationBox.setText(QString::fromLatin1(notation));
        }
    }

    // Rolls, then turns the event loop until Qt has painted the list's rows and, when it
    // changed, the total: what the user sees, painted as the program paints it. This and
    // Settle stay out of line so that callgrind's --toggle-collect can count each apart.
    [[gnu::noinline]] void RollAndPaint() {
        const QString totalBefore = total.text();
        listPaint.painted = false;
        totalPaint.painted = false;
        chartPaint.painted = false;
        if (notationBox.text().isEmpty()) {
            rollButton.click();
        } else {
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QCoreApplication::sendEvent(&notationBox, &enter);
        }
        const bool totalChanged = total.text() != totalBefore;
        while (!listPaint.painted || (totalChanged && !totalPaint.painted)) {
            QCoreApplication::processEvents();
        }
    }

    // Turns the event loop until the view has laid out the last row, and so set the scroll
    // bar's range for every row, and until the roll's odds, worked out on another thread, are
    // painted: left to come during the next roll, they would be counted in its time.
    [[gnu::noinline]] void Settle() {
        const QModelIndex lastRow = list.model()->index(list.model()->rowCount() - 1, 0);
        while (!list.visualRect(lastRow).isValid() || oddsRoll != lastRoll || !chartPaint.painted) {
            QCoreApplication::processEvents();
        }
    }

    [[nodiscard]] bool Rolled(int rows, int least) const {
        // The list shows about twenty rows at a time: the scroll bar covers the rest.
        return list.model()->rowCount() == rows && total.text().toInt() >= least &&
               list.verticalScrollBar()->maximum() > rows - 100;
    }

    MersenneRandomSource random;
    formKelvane window;
    std::optional<RollLogger> logger;
    QPushButton& rollButton = Find<QPushButton>(window, "d6");
    QLineEdit& notationBox = Find<QLineEdit>(window, "txtNotation");
    QListView& list = Find<QListView>(window, "rolloutput");
    QLabel& total = Find<QLabel>(window, "totalresult");
    PaintWatcher listPaint{*list.viewport()};
    PaintWatcher totalPaint{total};
    PaintWatcher chartPaint{Find<QWidget>(window, "chartDistribution")};
    quint64 lastRoll = 0;
    quint64 oddsRoll = 0;
};

// From the click to the list's visible rows and the total painted: what the user waits for.
void RollThroughWindow(benchmark::State& state) {
    WindowRig rig(nullptr, WindowRig::Log::kOff);
    for (auto _ : state) {
        rig.RollAndPaint();
        state.PauseTiming();
        rig.Settle();
        state.ResumeTiming();
    }
    if (!rig.Rolled(kDice, kDice)) {
        state.SkipWithError("the roll did not reach the window");
    }
    state.SetItemsProcessed(state.iterations() * kDice);
}

// A million dice typed as notation, to their visible rows and total painted; the list keeps
// its lines in one buffer and lays out rows as they come into view.
void NotationThroughWindow(benchmark::State& state) {
    WindowRig rig(kMillionDice);
    for (auto _ : state) {
        rig.RollAndPaint();
        state.PauseTiming();
        rig.Settle();
        state.ResumeTiming();
    }
    if (!rig.Rolled(kMillion + 1, kMillion)) {
        state.SkipWithError("the roll did not reach the window");
    }
    state.counters["RSS_KiB"] = static_cast<double>(ResidentKiB());
    state.SetItemsProcessed(state.iterations() * kMillion);
}

// A typical roll, from Enter in the notation box to its total painted.
void NotationEnterToPaintedTotal(benchmark::State& state) {
    WindowRig rig("4d6dl1+2");
    for (auto _ : state) {
        rig.RollAndPaint();
    }
}

// The same roll on until its odds line and distribution are painted too, after the roll: the
// whole band.
void NotationEnterToPaintedOdds(benchmark::State& state) {
    WindowRig rig("4d6dl1+2");
    for (auto _ : state) {
        rig.RollAndPaint();
        while (!rig.chartPaint.painted) {
            QCoreApplication::processEvents();
        }
    }
}

// The same with the roll log written, and with sharing on or off: each roll is logged and,
// while sharing, goes to the outbox, and the posts and their answers are handled on the
// window's thread as they come.
void RollThroughWindowWith(benchmark::State& state, bool sharingOn) {
    WindowRig rig;
    RollLogger& logger = *rig.logger;
    SqliteTableOutbox outbox(rig.window.Database().Connection());
    WebhookPoster::TrustCertificateFileFromEnvironment();
    const QString base =
        qEnvironmentVariable("KELVANE_DISCORD_API_BASE", QStringLiteral("https://127.0.0.1:9/api"));
    TableSharing sharing(outbox, base);
    QObject::connect(&rig.window, &formKelvane::rollShown, &sharing, &TableSharing::RollShown);
    QObject::connect(&rig.window, &formKelvane::oddsShown, &sharing, &TableSharing::OddsShown);
    QObject::connect(&logger, &RollLogger::rollKept, &sharing, &TableSharing::RollKept);
    QObject::connect(&sharing, &TableSharing::rollQueued, &logger,
                     [&logger](qint64 row) { logger.MarkShare(row, ShareState::kWaiting); });
    QObject::connect(&sharing, &TableSharing::rollShared, &logger,
                     [&logger](qint64 row) { logger.MarkShare(row, ShareState::kShared); });
    sharing.Configure(QStringLiteral("https://discord.com/api/webhooks/4242/ok_BenchToken"),
                      QStringLiteral("Bench"), sharingOn);
    for (auto _ : state) {
        rig.RollAndPaint();
        state.PauseTiming();
        rig.Settle();
        state.ResumeTiming();
    }
    if (!rig.Rolled(kDice, kDice) || sharing.IsSharing() != sharingOn || !logger.Keeping()) {
        state.SkipWithError("the roll did not reach the window, the log or the table");
    }
    state.SetItemsProcessed(state.iterations() * kDice);
}

void RollThroughWindowLogged(benchmark::State& state) { RollThroughWindowWith(state, false); }
void RollThroughWindowSharing(benchmark::State& state) { RollThroughWindowWith(state, true); }

// The same, and on until the view has laid out every row, a batch per turn of the event loop,
// and the odds are painted.
void RollThroughWindowUntilLaidOut(benchmark::State& state) {
    WindowRig rig;
    for (auto _ : state) {
        rig.RollAndPaint();
        rig.Settle();
    }
    if (!rig.Rolled(kDice, kDice)) {
        state.SkipWithError("the roll did not reach the window");
    }
    state.SetItemsProcessed(state.iterations() * kDice);
}

// Wall-clock time, as that is what the user waits for; the median of several repetitions, as
// the machine may be shared.
constexpr int kRepetitions = 5;
void RealTimeMedian(benchmark::internal::Benchmark* benchmark) {
    benchmark->UseRealTime()->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
}
BENCHMARK(RollThroughEngineAlone)->Unit(benchmark::kMillisecond)->Apply(RealTimeMedian);
BENCHMARK(RollThroughWindow)->Unit(benchmark::kMillisecond)->Apply(RealTimeMedian);
BENCHMARK(RollThroughWindowUntilLaidOut)->Unit(benchmark::kMillisecond)->Apply(RealTimeMedian);
BENCHMARK(RollThroughWindowLogged)->Unit(benchmark::kMillisecond)->Apply(RealTimeMedian);
BENCHMARK(RollThroughWindowSharing)->Unit(benchmark::kMillisecond)->Apply(RealTimeMedian);
BENCHMARK(NotationThroughEngineAlone)->Unit(benchmark::kMillisecond)->Apply(RealTimeMedian);
BENCHMARK(NotationThroughWindow)->Unit(benchmark::kMillisecond)->Apply(RealTimeMedian);
BENCHMARK(NotationEnterToPaintedTotal)->Unit(benchmark::kMicrosecond)->Apply(RealTimeMedian);
BENCHMARK(NotationEnterToPaintedOdds)->Unit(benchmark::kMicrosecond)->Apply(RealTimeMedian);

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
        for (const auto& [name, engineName, dice, what] :
             {std::tuple{kWindow, kEngineAlone, std::int64_t{kDice},
                         "window, visible rows and total painted"},
              std::tuple{kWindowLaidOut, kEngineAlone, std::int64_t{kDice},
                         "window, every row laid out and the odds painted"},
              std::tuple{kWindowLogged, kEngineAlone, std::int64_t{kDice},
                         "window with the log, visible rows and total painted"},
              std::tuple{kWindowSharing, kEngineAlone, std::int64_t{kDice},
                         "window with the log and sharing on, visible rows and total painted"},
              std::tuple{kNotationWindow, kNotationEngineAlone, kMillion,
                         "notation in the window, visible rows and total painted"}}) {
            const auto engine = medians_.find(engineName);
            const auto window = medians_.find(name);
            if (engine == medians_.end() || window == medians_.end() || engine->second.real <= 0 ||
                engine->second.cpu <= 0) {
                continue;
            }
            std::printf(
                "%lld dice, medians: %s %.2f ms, engine alone %.2f ms, ratio %.2f "
                "(CPU time %.2f ms against %.2f ms, ratio %.2f)\n",
                static_cast<long long>(dice), what, window->second.real, engine->second.real,
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
