// Writes a Kelvane database whose roll log holds a million rolls with their standings, for
// timing start-up against a file of the size years of play leave behind.
//
// Usage: million_roll_database <path of the database file to make>
#include <cstdio>
#include <string>

#include "bench/BenchRolls.h"
#include "platform/rolllog/SqliteRollLog.h"
#include "platform/storage/KelvaneDatabase.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <database file>\n", argv[0]);
        return 2;
    }
    using namespace kelvane;
    constexpr std::int64_t kRolls = 1'000'000;
    KelvaneDatabase database(argv[1]);
    SqliteRollLog log(database.Connection());
    SqliteTransaction transaction(database.Connection());
    for (std::int64_t i = 0; i < kRolls; ++i) {
        const std::int64_t id = log.Add(bench::BenchRoll(i));
        log.SetStanding(id, static_cast<double>(i % 997) / 997.0, 0.08, false);
    }
    transaction.Commit();
    database.Connection().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    return 0;
}
