// The roll book at the size of a large campaign, 1,000 characters of 100 rolls each: the panel
// showing it, the book exported to and imported from a file's text, and one row saved to the
// database file on disk.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <string>
#include <variant>
#include <vector>

#include "platform/storage/KelvaneDatabase.h"
#include "platform/storage/SqliteRollBook.h"
#include "ui/main/RollBookFile.h"
#include "ui/main/RollBookPanel.h"

namespace {

using kelvane::CharacterRolls;
using kelvane::KelvaneDatabase;
using kelvane::RollBookFile;
using kelvane::SqliteRollBook;

std::vector<CharacterRolls> Book(int characters) {
    std::vector<CharacterRolls> book;
    for (int character = 0; character < characters; ++character) {
        CharacterRolls rolls{"Character " + std::to_string(character), {}};
        for (int roll = 0; roll < 100; ++roll) {
            rolls.rolls.push_back(
                {"Attack " + std::to_string(roll), "d20+" + std::to_string(roll % 12) + " # a"});
        }
        book.push_back(std::move(rolls));
    }
    return book;
}

std::vector<CharacterRolls> LargeBook() { return Book(1000); }

// A database file holding the large book.
struct LargeDatabase {
    LargeDatabase() { SqliteRollBook(database.Connection()).Import(LargeBook()); }
    QTemporaryDir folder;
    KelvaneDatabase database{(folder.path() + "/kelvane.sqlite3").toStdString()};
};

LargeDatabase& Large() {
    static LargeDatabase large;
    return large;
}

void ShowBook(benchmark::State& state) {
    QLineEdit notation;
    kelvane::RollBookPanel panel;
    panel.Open(Large().database, notation);
    for (auto _ : state) {
        panel.Reload();
    }
}
BENCHMARK(ShowBook)->Unit(benchmark::kMillisecond);

void ExportBook(benchmark::State& state) {
    SqliteRollBook book(Large().database.Connection());
    for (auto _ : state) {
        benchmark::DoNotOptimize(RollBookFile::Write(book.Export()));
    }
}
BENCHMARK(ExportBook)->Unit(benchmark::kMillisecond);

// The large book's file read and stored into a fresh database in memory, as a player imports it.
void ImportLargeFile(benchmark::State& state) {
    const QByteArray file = RollBookFile::Write(LargeBook());
    for (auto _ : state) {
        KelvaneDatabase fresh(":memory:");
        const auto read = RollBookFile::Read(file);
        if (std::holds_alternative<QString>(read)) {
            state.SkipWithError(std::get<QString>(read).toStdString().c_str());
            return;
        }
        SqliteRollBook(fresh.Connection()).Import(std::get<std::vector<CharacterRolls>>(read));
    }
}
BENCHMARK(ImportLargeFile)->Unit(benchmark::kMillisecond);

// The whole large book merged into a database on disk that already holds it: every row is
// looked up, none added.
void ImportBookAgain(benchmark::State& state) {
    SqliteRollBook book(Large().database.Connection());
    const auto large = LargeBook();
    for (auto _ : state) {
        benchmark::DoNotOptimize(book.Import(large));
    }
}
BENCHMARK(ImportBookAgain)->Unit(benchmark::kMillisecond);

// The whole large book stored into a fresh database file.
void ImportBookAfresh(benchmark::State& state) {
    const auto large = LargeBook();
    for (auto _ : state) {
        QTemporaryDir folder;
        KelvaneDatabase fresh((folder.path() + "/kelvane.sqlite3").toStdString());
        SqliteRollBook(fresh.Connection()).Import(large);
    }
}
BENCHMARK(ImportBookAfresh)->Unit(benchmark::kMillisecond);

void SaveRow(benchmark::State& state) {
    SqliteRollBook book(Large().database.Connection());
    const auto character = book.Characters().front().id;
    for (auto _ : state) {
        benchmark::DoNotOptimize(book.AddRoll(character, "Longsword", "d20+5"));
    }
}
BENCHMARK(SaveRow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
