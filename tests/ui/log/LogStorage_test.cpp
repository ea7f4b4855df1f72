#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/log/LogExport.h"

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
    void AFailedExportLeavesTheOldFile();
};

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
