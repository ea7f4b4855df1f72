#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/storage/KelvaneDatabase.h"
#include "session/RollLogger.h"
#include "ui/Translations.h"
#include "ui/log/LogExport.h"
#include "ui/log/RollLogWindow.h"

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
        roll.outcome = LoggedOutcome{"success", "", 2, "hits"};
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
    void AnExportHasEveryColumnAndAFailedOneLeavesTheOldFile();
    void ASearchFindsARollByItsOutcomeAsTheWindowNamesIt_data();
    void ASearchFindsARollByItsOutcomeAsTheWindowNamesIt();
};

void LogStorageTest::ASearchFindsARollByItsOutcomeAsTheWindowNamesIt_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("outcomes");  // as the rows found show them, newest first
    QTest::newRow("a system's, in German") << "TEIL" << QStringList{"Teilerfolg"};
    QTest::newRow("not the id") << "partial" << QStringList{};
    QTest::newRow("a band's name") << "weak" << QStringList{"Weak hit"};
}

void LogStorageTest::ASearchFindsARollByItsOutcomeAsTheWindowNamesIt() {
    QFETCH(QString, search);
    QFETCH(QStringList, outcomes);
    const Translations german{{QStringLiteral("de")}};
    QTemporaryDir folder;
    KelvaneDatabase database(folder.filePath(QStringLiteral("kelvane.sqlite3")).toStdString());
    RollLogger logger(database);
    for (const LoggedOutcome& outcome :
         {LoggedOutcome{"partial", "", {}, ""}, LoggedOutcome{"", "Weak hit", {}, ""}}) {
        LoggedRoll roll;
        roll.notation = "bitd 3";
        roll.outcome = outcome;
        logger.Log()->Add(roll);
    }
    RollLogWindow window(logger, [](const QString&) {});
    window.findChild<QLineEdit*>(QStringLiteral("txtSearch"))->setText(search);
    const QAbstractItemModel& rows =
        *window.findChild<QTableView*>(QStringLiteral("tblLog"))->model();
    QStringList shown;
    for (int row = 0; row < rows.rowCount(); ++row) {
        shown << rows.index(row, RollLogModel::kOutcome).data().toString();
    }
    QCOMPARE(shown, outcomes);
}

void LogStorageTest::AnExportHasEveryColumnAndAFailedOneLeavesTheOldFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("roll-log.csv"));
    OneRollLog log;
    QVERIFY(LogExport::Write(log, {}, path, LogExport::Format::kCsv));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray whole = file.readAll();
    file.close();
    // The outcome stands after the total, in the player's words.
    QVERIFY(whole.startsWith("Time,Character,Label,Notation,Dice,Total,Outcome,Standing %,Shared"));
    QVERIFY(whole.contains(",0,\"Success, 2 hits\",,"));

    log.failAfterFirst = true;
    QVERIFY(!LogExport::Write(log, {}, path, LogExport::Format::kMarkdown));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), whole);
}

}  // namespace kelvane

QTEST_MAIN(kelvane::LogStorageTest)
#include "LogStorage_test.moc"
