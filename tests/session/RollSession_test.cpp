#include "session/RollSession.h"

#include <sqlite3.h>

#include <QtTest>
#include <memory>

#include "engine/Notation.h"
#include "session/DatabaseLocation.h"
#include "tests/support/PrivateDataFolder.h"
#include "tests/support/ScriptedRandomSource.h"

namespace kelvane {

// The session without a window: what the windows would show of it comes from its signals.
class RollSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void RollsMadeWhileTheLogIsLockedAreKeptInOrder();
    void ARollIsKeptWithItsOutcomeAndStandsAsItsSystemWeighsIt();
};

// A Call of Cthulhu critical is kept by its id, and stands at the top: units 1 and tens 00
// make a 1 of 100, with 99 worse totals above it.
void RollSessionTest::ARollIsKeptWithItsOutcomeAndStandsAsItsSystemWeighsIt() {
    auto expression = std::get<notation::Expression>(notation::Parse("coc 65"));
    testing::ScriptedRandomSource random({0.05F, 0.95F});
    const auto roll = std::get<notation::Roll>(notation::RollExpression(expression, random));
    auto record =
        std::make_shared<RollRecord>(RollRecord{"coc 65", "", roll.total, roll.terms, roll.groups,
                                                expression, notation::OutcomeOf(expression, roll)});
    RollSession session(DatabasePath());
    session.Take(record);
    const auto row = [&session] { return session.Logger().Log()->Page({}, std::nullopt, 1).at(0); };
    QTRY_VERIFY(row().standing);
    QVERIFY(row().outcome == (LoggedOutcome{"critical", "", {}, ""}));
    QCOMPARE(*row().standing, 0.995);
}

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
            RollRecord{"d6", label, 3, {{{{3, 0}}, 3}}, {}, DiceOfButtons{1, 6}, {}}));
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
