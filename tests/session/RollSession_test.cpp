#include "session/RollSession.h"

#include <sqlite3.h>

#include <QtTest>
#include <memory>

#include "session/DatabaseLocation.h"
#include "tests/support/PrivateDataFolder.h"

namespace kelvane {

// The session without a window: what the windows would show of it comes from its signals.
class RollSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void RollsMadeWhileTheLogIsLockedAreKeptInOrder();
};

void RollSessionTest::RollsMadeWhileTheLogIsLockedAreKeptInOrder() {
    RollSession session(DatabasePath());
    RollLogger& logger = session.Logger();
    QString band;
    connect(&logger, &RollLogger::keepingChanged, this,
            [&band](const QString& sentence) { band = sentence; });
    SqliteDatabase other(DatabasePath().toStdString(), SQLITE_OPEN_READWRITE);
    sqlite3_busy_timeout(session.Database().Connection().Handle(), 20);
    // The rows kept, oldest first, each marked * once its standing is there.
    const auto labels = [&logger] {
        QStringList kept;
        for (const LoggedRoll& row : logger.Log()->Page({}, std::nullopt, 10)) {
            kept.prepend(QString::fromStdString(row.label) + (row.standing ? "*" : ""));
        }
        return kept.join(' ');
    };

    // Another Kelvane holds the write lock: the rolls and their odds wait, and the band says so.
    int odds = 0;
    connect(&session, &RollSession::oddsReady, this, [&odds] { ++odds; });
    const auto roll = [&session, &odds](const char* label) {
        session.Take(std::make_shared<const RollRecord>(
            RollRecord{"d6", label, 3, {{{{3, 0}}, 3}}, DiceOfButtons{1, 6}, {}}));
        QTRY_COMPARE(odds, 1);
        odds = 0;
    };
    other.Execute("BEGIN IMMEDIATE");
    roll("First");
    roll("Second");
    QVERIFY(!logger.Keeping());
    QCOMPARE(band, RollLogger::NotKeptSentence());
    other.Execute("COMMIT");
    // Kept on the timer, without another roll.
    QTRY_VERIFY(logger.Keeping());
    QCOMPARE(band, QString());
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

}  // namespace kelvane

QTEST_MAIN(kelvane::RollSessionTest)
#include "RollSession_test.moc"
