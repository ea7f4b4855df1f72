#include "session/RollSession.h"

#include <sqlite3.h>

#include <QtTest>
#include <memory>

#include "engine/Notation.h"
#include "session/DatabaseLocation.h"
#include "tests/support/PrivateDataFolder.h"
#include "tests/support/ScriptedRandomSource.h"

Q_DECLARE_METATYPE(kelvane::LoggedOutcome)

namespace kelvane {

// The session without a window: what the windows would show of it comes from its signals.
class RollSessionTest : public QObject {
    Q_OBJECT

  private slots:
    void RollsMadeWhileTheLogIsLockedAreKeptInOrder();
    void ARollIsKeptWithItsOutcomeAndStandsAsItsSystemWeighsIt_data();
    void ARollIsKeptWithItsOutcomeAndStandsAsItsSystemWeighsIt();
};

void RollSessionTest::ARollIsKeptWithItsOutcomeAndStandsAsItsSystemWeighsIt_data() {
    QTest::addColumn<QString>("notation");
    QTest::addColumn<std::vector<float>>("draws");
    QTest::addColumn<LoggedOutcome>("outcome");
    QTest::addColumn<double>("standing");
    const auto face = [](int face, int sides) { return (face - 0.5F) / static_cast<float>(sides); };
    // Units 1 and tens 00: a 1 of 100, with 99 worse totals above it.
    QTest::newRow("coc critical") << "coc 65" << std::vector{face(1, 10), face(10, 10)}
                                  << LoggedOutcome{"critical", "", {}, ""} << 0.995;
    // 100: every other total is better.
    QTest::newRow("coc fumble") << "coc 65" << std::vector{face(10, 10), face(10, 10)}
                                << LoggedOutcome{"fumble", "", {}, ""} << 0.005;
    QTest::newRow("band, higher is better") << "d6 ? 3- Low; High" << std::vector{face(2, 6)}
                                            << LoggedOutcome{"", "Low", {}, ""} << 0.25;
    // Two hits of two dice: 8 in 9 rolls have fewer.
    QTest::newRow("hits") << "sr 2" << std::vector{face(5, 6), face(6, 6)}
                          << LoggedOutcome{"success", "", 2, "hits"} << 17.0 / 18;
}

void RollSessionTest::ARollIsKeptWithItsOutcomeAndStandsAsItsSystemWeighsIt() {
    QFETCH(QString, notation);
    QFETCH(std::vector<float>, draws);
    QFETCH(LoggedOutcome, outcome);
    QFETCH(double, standing);
    auto expression = std::get<notation::Expression>(notation::Parse(notation.toStdString()));
    testing::ScriptedRandomSource random(draws);
    auto roll = std::get<notation::Roll>(notation::RollExpression(expression, random));
    auto record = std::make_shared<RollRecord>();
    record->name = expression.Normalised();
    record->total = roll.total;
    record->terms = roll.terms;
    record->groups = roll.groups;
    record->outcome = notation::OutcomeOf(expression, roll);
    record->rolled = std::move(expression);
    RollSession session(DatabasePath());
    session.Take(record);
    RollLog& log = *session.Logger().Log();
    QTRY_VERIFY(!log.Page({}, std::nullopt, 1).empty() &&
                log.Page({}, std::nullopt, 1)[0].standing);
    const LoggedRoll row = log.Page({}, std::nullopt, 1)[0];
    QVERIFY(row.outcome == outcome);
    QCOMPARE(*row.standing, standing);
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
