#include "LogExport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "KelvaneDatabase.h"
#include "SqliteRollLog.h"

namespace kelvane {

class LogExportTest : public QObject {
    Q_OBJECT

  private slots:
    void WritesTheRowsShownNewestFirst();
};

void LogExportTest::WritesTheRowsShownNewestFirst() {
    QTemporaryDir folder;
    KelvaneDatabase database((folder.path() + "/kelvane.sqlite3").toStdString());
    SqliteRollLog log(database.Connection());
    constexpr std::int64_t k20h = 1796846400000;  // 2026-12-09T20:00:00Z
    const auto add = [&log](std::int64_t at, const char* character, const char* label,
                            const char* notation, const char* dice, std::int64_t total) {
        LoggedRoll roll;
        roll.rolledAt = at;
        roll.character = character;
        roll.label = label;
        roll.notation = notation;
        roll.dice = dice;
        roll.total = total;
        return log.Add(roll);
    };
    const std::int64_t longsword = add(k20h, "Aria", "Longsword", "d20+5", "[17]+5", 22);
    log.SetStanding(longsword, 0.875, 0.08, false);
    log.SetShareState(longsword, ShareState::kShared, "");
    const std::int64_t greeting =
        add(k20h + 60'000, "Brom", R"(Say "hi", all)", "3d6", "[1, 2, 3]", 6);
    log.SetStanding(greeting, 0.0463, 0.08, true);
    log.SetShareState(greeting, ShareState::kRefused, R"(The name "clyde" is not allowed)");
    add(k20h + 120'000, "", "", "d4", "[2]", 2);

    const QString path = folder.path() + "/night.csv";
    QVERIFY(LogExport::Write(log, {}, path, LogExport::Format::kCsv));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("Time,Character,Label,Notation,Dice,Total,Standing %,Shared\r\n"
                        "2026-12-09T20:02:00+00:00,,,d4,[2],2,,\r\n"
                        "2026-12-09T20:01:00+00:00,Brom,\"Say \"\"hi\"\", all\",3d6,\"[1, 2, 3]\","
                        "6,~4.63,\"The name \"\"clyde\"\" is not allowed\"\r\n"
                        "2026-12-09T20:00:00+00:00,Aria,Longsword,d20+5,[17]+5,22,87.50,yes\r\n"));
}

}  // namespace kelvane

QTEST_GUILESS_MAIN(kelvane::LogExportTest)
#include "LogExport_test.moc"
