#include "session/TableSharing.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>
#include <string>

#include "platform/storage/KelvaneDatabase.h"
#include "platform/storage/SqliteDatabase.h"
#include "platform/storage/SqliteTableOutbox.h"
#include "session/TableSettings.h"
#include "session/WebhookPoster.h"
#include "ui/sharing/TableDialog.h"

namespace kelvane {
namespace {

constexpr int kTimeoutMs = 20000;
constexpr const char* kWebhook = "https://discord.com/api/webhooks/4242/";

// A local server that answers as Discord does, on a certificate of its own.
struct LocalServer {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    int port = 0;

    ~LocalServer() {
        process->kill();
        process->waitForFinished();
    }
};

// The database's outbox, refusing the first adds or removals it is told to, as a damaged or a
// full database does.
class FlakyOutbox final : public TableOutbox {
  public:
    explicit FlakyOutbox(TableOutbox& outbox) : outbox_(outbox) {}
    std::int64_t Add(std::int64_t rollKey, const std::string& content) override {
        Refuse(refusedAdds);
        return outbox_.Add(rollKey, content);
    }
    std::optional<OutboxMessage> Oldest() override { return outbox_.Oldest(); }
    void Remove(std::int64_t id) override {
        Refuse(refusedRemovals);
        outbox_.Remove(id);
    }
    std::size_t Count() override { return outbox_.Count(); }

    int refusedAdds = 0;
    int refusedRemovals = 0;

  private:
    static void Refuse(int& count) {
        if (count == 0) return;
        --count;
        throw StorageError(13 /* SQLITE_FULL */, "database or disk is full");
    }
    TableOutbox& outbox_;
};

bool MakeCertificate(const QString& stem) {
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj",
                   "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                   stem + ".key", "-out", stem + ".pem"});
    return openssl.waitForFinished(kTimeoutMs) && openssl.exitCode() == 0;
}

}  // namespace

class TableSharingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void postsEachRollOnceInOrder_data();
    void postsEachRollOnceInOrder();
    void keepsWaitingRollsAcrossARestart();
    void keepsTheWebhookWhereOnlyItsOwnerReadsIt();
    void goesOnOnceTheOutboxStartsAfresh();
    void testMessageSaysHowItWent_data();
    void testMessageSaysHowItWent();

  private:
    void StartServer(LocalServer& server, const QString& stem);
    [[nodiscard]] QList<QJsonObject> Receipts(const QString& secret) const;
    void Roll(TableSharing& sharing, quint64 number, const std::string& label);

    QTemporaryDir folder_;
    LocalServer trusted_;
    LocalServer untrusted_;
    QStringList messages_;
};

namespace {
QStringList* capturedMessages = nullptr;
void Capture(QtMsgType, const QMessageLogContext&, const QString& message) {
    if (capturedMessages != nullptr) capturedMessages->append(message);
}
}  // namespace

void TableSharingTest::StartServer(LocalServer& server, const QString& stem) {
    server.process->start(QStringLiteral("python3"),
                          {QStringLiteral(KELVANE_WEBHOOK_SERVER), stem + ".pem", stem + ".key",
                           folder_.filePath("receipts.jsonl")});
    QVERIFY(server.process->waitForReadyRead(kTimeoutMs));
    const QByteArray line = server.process->readLine().trimmed();
    QVERIFY2(line.startsWith("PORT "), line.constData());
    server.port = line.mid(5).toInt();
}

void TableSharingTest::initTestCase() {
    QVERIFY(MakeCertificate(folder_.filePath("trusted")));
    QVERIFY(MakeCertificate(folder_.filePath("untrusted")));
    StartServer(trusted_, folder_.filePath("trusted"));
    StartServer(untrusted_, folder_.filePath("untrusted"));
    qputenv("SSL_CERT_FILE", folder_.filePath("trusted.pem").toUtf8());
    WebhookPoster::TrustCertificateFileFromEnvironment();
    capturedMessages = &messages_;
    qInstallMessageHandler(Capture);
}

QList<QJsonObject> TableSharingTest::Receipts(const QString& secret) const {
    QFile file(folder_.filePath("receipts.jsonl"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QList<QJsonObject> receipts;
    while (!file.atEnd()) {
        const QJsonObject receipt = QJsonDocument::fromJson(file.readLine()).object();
        if (receipt.value("token").toString() == secret) receipts << receipt;
    }
    return receipts;
}

// Roll number n is kept under the key 100 + n, told before the roll itself for odd n and after
// it for even n, as either may come first.
void TableSharingTest::Roll(TableSharing& sharing, quint64 number, const std::string& label) {
    const auto key = static_cast<qint64>(100 + number);
    RollRecord rolled{"d20", label, 17, {{{{17, 0}}, 17}}, {}, DiceOfButtons{1, 20}, {}};
    const auto roll = std::make_shared<const RollRecord>(std::move(rolled));
    if (number % 2 == 1) sharing.RollKept(roll, key);
    sharing.RollShown(roll);
    if (number % 2 == 0) sharing.RollKept(roll, key);
    sharing.OddsShown(roll, Distribution::Exact(1, std::vector<double>(20, 1.0)));
}

void TableSharingTest::postsEachRollOnceInOrder_data() {
    QTest::addColumn<QString>("secret");
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<int>("rolls");
    // Every request the server saw, by the status it answered (0: dropped unanswered).
    QTest::addColumn<QList<int>>("statuses");
    QTest::addColumn<int>("waiting");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("failed");
    QTest::addColumn<int>("refusedRemovals");

    const QString shared = "Shared";
    const QString gone = "The table's webhook is gone: paste a new one";
    QTest::newRow("ok") << "ok_S3cr3tOk" << true << 3 << QList{200, 200, 200} << 0 << shared << 0
                        << 0;
    // Delivered, but the outbox would not let the roll go at first: it is never posted again.
    QTest::newRow("removal refused")
        << "ok_S3cr3tRemove" << true << 2 << QList{200, 200} << 0 << shared << 0 << 1;
    QTest::newRow("rate limited") << "limited_S3cr3tLim" << true << 5
                                  << QList{200, 200, 429, 200, 200, 429, 200} << 0 << shared << 0
                                  << 0;
    QTest::newRow("server error") << "failing_S3cr3tFail" << true << 2 << QList{503, 200, 200} << 0
                                  << shared << 0 << 0;
    // The one case where a roll may reach the channel twice: the answer never came.
    QTest::newRow("dropped") << "dropped_S3cr3tDrop" << true << 2 << QList{0, 200, 200} << 0
                             << shared << 0 << 0;
    QTest::newRow("slow") << "slow_S3cr3tSlow" << true << 2 << QList{200, 200} << 0 << shared << 0
                          << 0;
    QTest::newRow("unknown webhook")
        << "gone_S3cr3tGone" << true << 2 << QList{404} << 2 << gone << 0 << 0;
    QTest::newRow("invalid token")
        << "revoked_S3cr3tRev" << true << 2 << QList{401} << 2 << gone << 0 << 0;
    QTest::newRow("refused") << "invalid_S3cr3tInv" << true << 2 << QList{400, 400} << 0
                             << "Discord refused a roll: Invalid Form Body: content: Must be 2000 "
                                "or fewer in length."
                             << 2 << 0;
    QTest::newRow("name refused")
        << "badname_S3cr3tName" << true << 2 << QList{400} << 2
        << "Discord refuses the name to post under: Invalid Form Body: username: Username "
           "cannot contain \"discord\""
        << 0 << 0;
    // Refusals of every roll alike, and a redirect, which is not followed: all are kept.
    QTest::newRow("forbidden") << "forbidden_S3cr3tForb" << true << 2 << QList{403} << 2
                               << "Not shared: the table's server answered HTTP 403: Missing Access"
                               << 0 << 0;
    QTest::newRow("moved") << "moved_S3cr3tMoved" << true << 2 << QList{308} << 2
                           << "Not shared: the table's server answered HTTP 308" << 0 << 0;
    QTest::newRow("certificate") << "ok_S3cr3tCert" << false << 2 << QList<int>{} << 2
                                 << "Not shared: the table's server could not prove it is Discord"
                                 << 0 << 0;
}

void TableSharingTest::postsEachRollOnceInOrder() {
    QFETCH(QString, secret);
    QFETCH(bool, trusted);
    QFETCH(int, rolls);
    QFETCH(QList<int>, statuses);
    QFETCH(int, waiting);
    QFETCH(QString, status);
    QFETCH(int, failed);
    QFETCH(int, refusedRemovals);

    QTemporaryDir data;
    KelvaneDatabase database(data.filePath("kelvane.sqlite3").toStdString());
    SqliteTableOutbox stored(database.Connection());
    FlakyOutbox outbox(stored);
    outbox.refusedRemovals = refusedRemovals;
    const int port = trusted ? trusted_.port : untrusted_.port;
    TableSharing sharing(outbox, QStringLiteral("https://127.0.0.1:%1/api").arg(port));
    QSignalSpy sharedRolls(&sharing, &TableSharing::rollShared);
    QSignalSpy failedRolls(&sharing, &TableSharing::rollFailed);
    QSignalSpy queuedRolls(&sharing, &TableSharing::rollQueued);
    sharing.Configure(kWebhook + secret, QStringLiteral("Thorin"), true);
    for (int roll = 1; roll <= rolls; ++roll) Roll(sharing, roll, "Roll " + std::to_string(roll));

    QTRY_COMPARE_WITH_TIMEOUT(outbox.Count(), static_cast<std::size_t>(waiting), kTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(sharing.StatusText(), status, kTimeoutMs);
    QCOMPARE(failedRolls.count(), failed);
    QList<int> answered;
    QStringList posted;
    for (const QJsonObject& receipt : Receipts(secret)) {
        answered << receipt.value("status").toInt();
        const QJsonObject body =
            QJsonDocument::fromJson(receipt.value("body").toString().toUtf8()).object();
        if (answered.last() == 200) posted << body.value("content").toString();
        QCOMPARE(body.value("username").toString(), QStringLiteral("Thorin"));
        QCOMPARE(receipt.value("user_agent").toString(),
                 QStringLiteral("Kelvane/1.0.0 (+https://kelvane.example.org)"));
    }
    QCOMPARE(answered, statuses);
    QStringList expected;
    for (int roll = 1; roll <= sharedRolls.count(); ++roll) {
        expected
            << QStringLiteral("**Roll %1** d20: [17] = **17** · 17 or more: 20.00 %").arg(roll);
    }
    QCOMPARE(posted, expected);
    QCOMPARE(sharedRolls.count(), rolls - waiting - failed);
    // Every roll is queued under its key; those that reached the channel, or were refused,
    // are told under theirs, in order.
    QList<qint64> queued;
    QList<qint64> told;
    for (const auto& signal : queuedRolls) queued << signal.at(0).toLongLong();
    for (const auto& signal : sharedRolls) told << signal.at(0).toLongLong();
    for (const auto& signal : failedRolls) told << signal.at(0).toLongLong();
    QCOMPARE(queued, (QList<qint64>{101, 102, 103, 104, 105}.first(rolls)));
    QCOMPARE(told, queued.first(rolls - waiting));
    for (const QString& message : messages_) {
        QVERIFY2(!message.contains(secret.section('_', 1)), qPrintable(message));
    }
}

void TableSharingTest::keepsWaitingRollsAcrossARestart() {
    QTemporaryDir data;
    const std::string path = data.filePath("kelvane.sqlite3").toStdString();
    const QString base = QStringLiteral("https://127.0.0.1:%1/api").arg(trusted_.port);
    {
        KelvaneDatabase database(path);
        SqliteTableOutbox outbox(database.Connection());
        TableSharing sharing(outbox, base);
        sharing.Configure(kWebhook + QStringLiteral("gone_S3cr3tRestart"), {}, true);
        for (quint64 roll = 1; roll <= 3; ++roll)
            Roll(sharing, roll, "Restart " + std::to_string(roll));
        QTRY_COMPARE_WITH_TIMEOUT(sharing.StatusText(),
                                  QStringLiteral("The table's webhook is gone: paste a new one"),
                                  kTimeoutMs);
    }
    KelvaneDatabase database(path);
    SqliteTableOutbox outbox(database.Connection());
    QCOMPARE(outbox.Count(), std::size_t{3});
    TableSharing sharing(outbox, base);
    QSignalSpy sharedRolls(&sharing, &TableSharing::rollShared);
    sharing.Configure(kWebhook + QStringLiteral("ok_S3cr3tNewHook"), {}, true);
    QTRY_COMPARE_WITH_TIMEOUT(sharedRolls.count(), 3, kTimeoutMs);
    QCOMPARE(sharedRolls.at(0).at(0).toLongLong(), 101);
    QCOMPARE(sharedRolls.at(2).at(0).toLongLong(), 103);
    QStringList labels;
    for (const QJsonObject& receipt : Receipts("ok_S3cr3tNewHook")) {
        labels << QJsonDocument::fromJson(receipt.value("body").toString().toUtf8())
                      .object()
                      .value("content")
                      .toString()
                      .section("**", 1, 1);
    }
    QCOMPARE(labels, (QStringList{"Restart 1", "Restart 2", "Restart 3"}));
}

void TableSharingTest::goesOnOnceTheOutboxStartsAfresh() {
    QTemporaryDir data;
    KelvaneDatabase database(data.filePath("kelvane.sqlite3").toStdString());
    SqliteTableOutbox stored(database.Connection());
    FlakyOutbox outbox(stored);
    outbox.refusedAdds = 1;
    TableSharing sharing(outbox, QStringLiteral("https://127.0.0.1:%1/api").arg(trusted_.port));
    sharing.Configure(kWebhook + QStringLiteral("ok_S3cr3tAfresh"), {}, true);
    Roll(sharing, 1, "Lost");
    const QString stopped = QStringLiteral("Not shared: rolls cannot be kept in the database");
    QCOMPARE(sharing.StatusText(), stopped);
    sharing.OutboxStartedAfresh();
    QVERIFY(sharing.StatusText() != stopped);
    Roll(sharing, 2, "Kept");
    QCOMPARE(outbox.Count(), std::size_t{1});
}

void TableSharingTest::keepsTheWebhookWhereOnlyItsOwnerReadsIt() {
    QTemporaryDir config;
    const QString path = TableSettings::FilePath(config.filePath("Kelvane"));
    const TableSettings settings{kWebhook + QStringLiteral("ok_S3cr3tKept"), "Zoë", true};
    QVERIFY(settings.Save(path));
    QVERIFY(settings.Save(path));  // again, over the first
    const auto others = QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                        QFileDevice::WriteOther;
    QCOMPARE(QFile::permissions(path) & others, QFileDevice::Permissions());
    const TableSettings loaded = TableSettings::Load(path);
    QCOMPARE(loaded.webhookUrl, settings.webhookUrl);
    QCOMPARE(loaded.name, settings.name);
    QCOMPARE(loaded.shareEveryRoll, true);
}

void TableSharingTest::testMessageSaysHowItWent_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("trusted");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<bool>("posted");

    const QString gone = "The table's webhook is gone: paste a new one";
    QTest::newRow("posted") << kWebhook + QStringLiteral("ok_S3cr3tTest") << true
                            << "The test message was posted." << true;
    QTest::newRow("name refused")
        << kWebhook + QStringLiteral("badname_S3cr3tTestName") << true
        << "Discord refused the message: Invalid Form Body: username: Username cannot contain "
           "\"discord\""
        << false;
    QTest::newRow("unknown webhook")
        << kWebhook + QStringLiteral("gone_S3cr3tTestGone") << true << gone << false;
    QTest::newRow("invalid token")
        << kWebhook + QStringLiteral("revoked_S3cr3tTestRev") << true << gone << false;
    QTest::newRow("server error") << kWebhook + QStringLiteral("failing_S3cr3tTestFail") << true
                                  << "Discord did not answer; try again later." << false;
    QTest::newRow("certificate") << kWebhook + QStringLiteral("ok_S3cr3tTestCert") << false
                                 << "Not shared: the table's server could not prove it is Discord"
                                 << false;
    QTest::newRow("not discord") << QStringLiteral(
                                        "https://example.com/api/webhooks/4242/ok_S3cr3tTestHost")
                                 << true << "The webhook URL must be on discord.com." << false;
}

// Through the dialog, as the player sees it: the button, the sentence under it, and the message
// at the server, outside the outbox.
void TableSharingTest::testMessageSaysHowItWent() {
    QFETCH(QString, url);
    QFETCH(bool, trusted);
    QFETCH(QString, sentence);
    QFETCH(bool, posted);

    QTemporaryDir data;
    KelvaneDatabase database(data.filePath("kelvane.sqlite3").toStdString());
    SqliteTableOutbox outbox(database.Connection());
    const int port = trusted ? trusted_.port : untrusted_.port;
    TableSharing sharing(outbox, QStringLiteral("https://127.0.0.1:%1/api").arg(port));
    TableDialog dialog({url, QStringLiteral("Thorin"), false}, QStringLiteral("Aria"));
    connect(&dialog, &TableDialog::testRequested, &sharing, &TableSharing::SendTestMessage);
    connect(&sharing, &TableSharing::testAnswered, &dialog, &TableDialog::ShowTestAnswer);
    auto* button = dialog.findChild<QPushButton*>(QStringLiteral("btnTest"));
    auto* message = dialog.findChild<QLabel*>(QStringLiteral("lblTableMessage"));
    QVERIFY(button != nullptr && message != nullptr);

    button->click();
    QTRY_COMPARE_WITH_TIMEOUT(message->text(), sentence, kTimeoutMs);
    QVERIFY(button->isEnabled());
    QCOMPARE(outbox.Count(), std::size_t{0});
    QStringList contents;
    for (const QJsonObject& receipt : Receipts(url.section('/', -1))) {
        if (receipt.value("status").toInt() != 200) continue;
        const QJsonObject body =
            QJsonDocument::fromJson(receipt.value("body").toString().toUtf8()).object();
        contents << body.value("content").toString();
        QCOMPARE(body.value("username").toString(), QStringLiteral("Thorin"));
    }
    QCOMPARE(contents, posted ? QStringList{"Kelvane will share rolls here."} : QStringList{});
}

}  // namespace kelvane

QTEST_MAIN(kelvane::TableSharingTest)
#include "TableSharing_test.moc"
