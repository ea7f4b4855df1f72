#include <sqlite3.h>

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "DatabaseLocation.h"
#include "LogExport.h"
#include "PrivateDataFolder.h"
#include "RollLogger.h"
#include "ScriptedRandomSource.h"
#include "formKelvane.h"

namespace kelvane {

namespace {

// A log of one roll whose reading fails after that roll when told to.
class OneRollLog final : public RollLog {
  public:
    bool failAfterFirst = false;

    std::int64_t Add(const LoggedRoll&) override { return 0; }
    void SetStanding(std::int64_t, double, double, bool) override {}
    void SetShareState(std::int64_t, ShareState, const std::string&) override {}
    std::vector<LoggedRoll> Page(const RollLogFilter&, std::optional<std::int64_t>,
                                 std::size_t) override {
        return {};
    }
    RollLogSums Sums(const RollLogFilter&) override { return {}; }
    void ForEach(const RollLogFilter&,
                 const std::function<void(const LoggedRoll&)>& visit) override {
        LoggedRoll roll;
        roll.label = "Longsword";
        visit(roll);
        if (failAfterFirst) {
            throw std::runtime_error("disk I/O error");
        }
    }
    std::vector<std::string> Characters() override { return {}; }
    void Remove(std::span<const std::int64_t>) override {}
    void Clear() override {}
    std::string WindowPlace() override { return {}; }
    void SetWindowPlace(const std::string&) override {}
};

}  // namespace

class LogStorageTest : public QObject {
    Q_OBJECT

  private slots:
    void RollsMadeWhileTheLogIsLockedAreKeptInOrder();
    void AFailedExportLeavesTheOldFile();
};

void LogStorageTest::RollsMadeWhileTheLogIsLockedAreKeptInOrder() {
    testing::ScriptedRandomSource random({0.5F});
    formKelvane window(random);
    window.show();
    RollLogger logger(window.Database());
    logger.Attach(window);
    const auto& band = *window.findChild<QLabel*>(QStringLiteral("lblLogMessage"));
    SqliteDatabase other(DatabasePath().toStdString(), SQLITE_OPEN_READWRITE);
    sqlite3_busy_timeout(window.Database().Connection().Handle(), 20);
    // The rows kept, oldest first, each marked * once its standing is there.
    const auto labels = [&logger] {
        QStringList kept;
        for (const LoggedRoll& row : logger.Log()->Page({}, std::nullopt, 10)) {
            kept.prepend(QString::fromStdString(row.label) + (row.standing ? "*" : ""));
        }
        return kept.join(' ');
    };

    // Another Kelvane holds the write lock: the rolls and their odds wait, and the band says so.
    QSignalSpy odds(&window, &formKelvane::oddsShown);
    const auto roll = [&window, &odds](const char* label) {
        window.RollNotationText(QStringLiteral("d6 # ") + label);
        QTRY_VERIFY(!odds.isEmpty());
        odds.clear();
    };
    other.Execute("BEGIN IMMEDIATE");
    roll("First");
    roll("Second");
    QVERIFY(!logger.Keeping());
    QCOMPARE(band.text(), RollLogger::NotKeptSentence());
    other.Execute("COMMIT");
    // Kept on the timer, without another roll.
    QTRY_VERIFY(logger.Keeping());
    QCOMPARE(band.text(), QString());
    QTRY_COMPARE(labels(), QStringLiteral("First* Second*"));

    // Kept at the next roll, before it.
    other.Execute("BEGIN IMMEDIATE");
    roll("Third");
    QVERIFY(!logger.Keeping());
    other.Execute("COMMIT");
    roll("Fourth");
    QVERIFY(logger.Keeping());
    QTRY_COMPARE(labels(), QStringLiteral("First* Second* Third* Fourth*"));
}

void LogStorageTest::AFailedExportLeavesTheOldFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("roll-log.csv"));
    OneRollLog log;
    QVERIFY(LogExport::Write(log, {}, path, LogExport::Format::kCsv));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();
    QVERIFY(whole.contains("Longsword"));

    log.failAfterFirst = true;
    QVERIFY(!LogExport::Write(log, {}, path, LogExport::Format::kMarkdown));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), whole);
}

}  // namespace kelvane

QTEST_MAIN(kelvane::LogStorageTest)
#include "LogStorage_test.moc"
