// The roll log on disk: writing one roll as the window does (the row with its turn in the search
// index, then its standing), and a log of a million rolls opened, filtered, exported and cleared,
// by the store and through the Roll log window painted off screen. The million-roll file is made
// once in the temporary folder and its size on disk reported as the counter "bytes_on_disk".
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QLineEdit>
#include <QTableView>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "bench/BenchRolls.h"
#include "bench/PaintWatcher.h"
#include "platform/rolllog/SqliteRollLog.h"
#include "platform/storage/KelvaneDatabase.h"
#include "session/RollLogger.h"
#include "ui/log/LogExport.h"
#include "ui/log/RollLogWindow.h"

namespace {

using namespace kelvane;
namespace fs = std::filesystem;

constexpr std::int64_t kMillion = 1'000'000;

fs::path Folder() {
    static const fs::path folder = [] {
        auto path = fs::temp_directory_path() / ("kelvane-log-bench-" + std::to_string(getpid()));
        fs::create_directories(path);
        return path;
    }();
    return folder;
}

using bench::BenchRoll;

// The million-roll log, written once in one transaction.
const std::string& MillionRollLog() {
    static const std::string path = [] {
        const std::string file = (Folder() / "million.sqlite3").string();
        KelvaneDatabase database(file);
        SqliteRollLog log(database.Connection());
        SqliteTransaction transaction(database.Connection());
        for (std::int64_t i = 0; i < kMillion; ++i) {
            const std::int64_t id = log.Add(BenchRoll(i));
            if (i % 50 != 0) {
                log.SetStanding(id, static_cast<double>(i % 997) / 997.0, 0.08, false);
            }
        }
        transaction.Commit();
        database.Connection().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
        return file;
    }();
    return path;
}

// A roll of a d20, and one of 32,000 d6 whose dice the log keeps cut to 10,000 (about 30 KB).
void WriteRoll(benchmark::State& state) {
    KelvaneDatabase database(
        (Folder() / ("write" + std::to_string(state.range(0)) + ".sqlite3")).string());
    SqliteRollLog log(database.Connection());
    std::string dice = "[";
    for (std::int64_t die = 0; die < state.range(0); ++die) {
        dice += die == 0 ? "4" : ", 4";
    }
    dice += ']';
    std::int64_t i = 0;
    for (auto _ : state) {
        LoggedRoll roll = BenchRoll(i++);
        roll.dice = dice;
        const std::int64_t id = log.Add(roll);
        log.SetStanding(id, 0.5, 0.08, false);
    }
}
BENCHMARK(WriteRoll)
    ->Arg(1)
    ->Arg(10'000)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// What the window reads on opening: the luck sums and the first page.
void OpenMillion(benchmark::State& state) {
    const std::string& path = MillionRollLog();
    for (auto _ : state) {
        KelvaneDatabase database(path);
        SqliteRollLog log(database.Connection());
        benchmark::DoNotOptimize(log.Sums({}));
        benchmark::DoNotOptimize(log.Page({}, std::nullopt, 256));
    }
    state.counters["bytes_on_disk"] = static_cast<double>(fs::file_size(path));
}
BENCHMARK(OpenMillion)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same on a connection already open, without the file's check at opening.
void ShowMillion(benchmark::State& state) {
    KelvaneDatabase database(MillionRollLog());
    SqliteRollLog log(database.Connection());
    for (auto _ : state) {
        benchmark::DoNotOptimize(log.Sums({}));
        benchmark::DoNotOptimize(log.Page({}, std::nullopt, 256));
    }
}
BENCHMARK(ShowMillion)->Unit(benchmark::kMillisecond)->Iterations(5);

// Scrolling: the next page below a row deep in the log.
void NextPage(benchmark::State& state) {
    KelvaneDatabase database(MillionRollLog());
    SqliteRollLog log(database.Connection());
    for (auto _ : state) {
        benchmark::DoNotOptimize(log.Page({}, kMillion / 2, 256));
    }
}
BENCHMARK(NextPage)->Unit(benchmark::kMicrosecond);

// A filter: 0 a character, 1 today's rolls, 2 a search, each with its sums and first page.
void FilterMillion(benchmark::State& state) {
    KelvaneDatabase database(MillionRollLog());
    SqliteRollLog log(database.Connection());
    RollLogFilter filter;
    switch (state.range(0)) {
        case 0:
            filter.character = "Brom";
            break;
        case 1:
            filter.since = BenchRoll(kMillion - 4'000).rolledAt;
            break;
        default:
            filter.search = "sword";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(log.Sums(filter));
        benchmark::DoNotOptimize(log.Page(filter, std::nullopt, 256));
    }
}
BENCHMARK(FilterMillion)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(5);

// Clear of the million rolls on a worker's connection, as the Roll log window runs it.
void ClearMillion(benchmark::State& state) {
    const std::string copy = (Folder() / "clear.sqlite3").string();
    std::optional<KelvaneDatabase> database;
    std::optional<SqliteRollLog> log;
    for (auto _ : state) {
        state.PauseTiming();
        log.reset();
        database.reset();
        fs::copy_file(MillionRollLog(), copy, fs::copy_options::overwrite_existing);
        database.emplace(copy);
        log.emplace(database->Connection());
        const auto clear = log->ClearElsewhere();
        state.ResumeTiming();
        clear();
    }
}
BENCHMARK(ClearMillion)->Unit(benchmark::kMillisecond)->Iterations(3);

using bench::PaintWatcher;

// The Roll log window over the million rolls, on a database the main window has already
// opened: from the Log button's call to the table's rows painted.
void OpenWindowMillion(benchmark::State& state) {
    KelvaneDatabase database(MillionRollLog());
    RollLogger logger(database);
    RollLogWindow window(logger, [](const QString&) {});
    auto& table = *window.findChild<QTableView*>(QStringLiteral("tblLog"));
    PaintWatcher tablePaint(*table.viewport());
    for (auto _ : state) {
        tablePaint.painted = false;
        window.ShowWindow();
        while (!tablePaint.painted) {
            QCoreApplication::processEvents();
        }
        state.PauseTiming();
        window.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenWindowMillion)->Unit(benchmark::kMillisecond)->Iterations(5);

// A search typed into the open window, its last letter to the rows and the luck line painted.
void SearchWindowMillion(benchmark::State& state) {
    KelvaneDatabase database(MillionRollLog());
    RollLogger logger(database);
    RollLogWindow window(logger, [](const QString&) {});
    window.ShowWindow();
    auto& table = *window.findChild<QTableView*>(QStringLiteral("tblLog"));
    auto& search = *window.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    PaintWatcher tablePaint(*table.viewport());
    QCoreApplication::processEvents();
    int round = 0;
    for (auto _ : state) {
        tablePaint.painted = false;
        search.setText(++round % 2 == 0 ? QStringLiteral("sword") : QStringLiteral("4d6"));
        while (!tablePaint.painted) {
            QCoreApplication::processEvents();
        }
    }
}
BENCHMARK(SearchWindowMillion)->Unit(benchmark::kMillisecond)->Iterations(6);

void ExportMillion(benchmark::State& state) {
    KelvaneDatabase database(MillionRollLog());
    SqliteRollLog log(database.Connection());
    const auto format =
        state.range(0) == 0 ? LogExport::Format::kCsv : LogExport::Format::kMarkdown;
    const QString path = QString::fromStdString((Folder() / "export").string());
    for (auto _ : state) {
        if (!LogExport::Write(log, {}, path, format)) {
            state.SkipWithError("export failed");
        }
    }
}
BENCHMARK(ExportMillion)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    // No display is needed: the window is laid out and painted off screen.
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(Folder());
    return 0;
}
