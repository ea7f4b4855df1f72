#include "ui/log/LogPeriod.h"

#include <QDateTime>
#include <QTest>
#include <QTimeZone>

#include "ui/log/LocalTimes.h"

namespace kelvane {

class LogPeriodTest : public QObject {
    Q_OBJECT

  private slots:
    void StartsAtTheZonesMidnight_data();
    void StartsAtTheZonesMidnight();
    void SessionAndAll();
    void ExportTimesTakeTheirQuarterHoursOffset();
};

namespace {

QDateTime Utc(const char* iso) { return QDateTime::fromString(iso, Qt::ISODateWithMs); }

}  // namespace

void LogPeriodTest::StartsAtTheZonesMidnight_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("today");
    QTest::addColumn<QDateTime>("lastSevenDays");

    // Berlin is UTC+1 in winter, UTC+2 in summer.
    QTest::newRow("winter midnight itself")
        << QByteArray("Europe/Berlin") << Utc("2026-12-08T23:00:00.000Z")
        << Utc("2026-12-08T23:00:00.000Z") << Utc("2026-12-02T23:00:00.000Z");
    QTest::newRow("a millisecond before midnight")
        << QByteArray("Europe/Berlin") << Utc("2026-12-08T22:59:59.999Z")
        << Utc("2026-12-07T23:00:00.000Z") << Utc("2026-12-01T23:00:00.000Z");
    // 29 March 2026 has 23 hours: 02:00 CET becomes 03:00 CEST.
    QTest::newRow("noon on the spring change")
        << QByteArray("Europe/Berlin") << Utc("2026-03-29T10:00:00.000Z")
        << Utc("2026-03-28T23:00:00.000Z") << Utc("2026-03-22T23:00:00.000Z");
    QTest::newRow("the night after the spring change")
        << QByteArray("Europe/Berlin") << Utc("2026-03-29T22:30:00.000Z")
        << Utc("2026-03-29T22:00:00.000Z") << Utc("2026-03-23T23:00:00.000Z");
    // 25 October 2026 has 25 hours: 03:00 CEST becomes 02:00 CET.
    QTest::newRow("last moment of the autumn change")
        << QByteArray("Europe/Berlin") << Utc("2026-10-25T22:59:59.999Z")
        << Utc("2026-10-24T22:00:00.000Z") << Utc("2026-10-18T22:00:00.000Z");
    QTest::newRow("inside the repeated hour")
        << QByteArray("Europe/Berlin") << Utc("2026-10-25T00:30:00.000Z")
        << Utc("2026-10-24T22:00:00.000Z") << Utc("2026-10-18T22:00:00.000Z");
    // In Santiago, 6 September 2026 has no midnight: the day starts at 01:00, UTC-3.
    QTest::newRow("a day without its midnight")
        << QByteArray("America/Santiago") << Utc("2026-09-06T15:00:00.000Z")
        << Utc("2026-09-06T04:00:00.000Z") << Utc("2026-08-31T04:00:00.000Z");
}

void LogPeriodTest::StartsAtTheZonesMidnight() {
    QFETCH(QByteArray, zone);
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, today);
    QFETCH(QDateTime, lastSevenDays);
    const QTimeZone timeZone(zone);
    QVERIFY(timeZone.isValid());
    QCOMPARE(PeriodStart(LogPeriod::kToday, now, timeZone, 0), today.toMSecsSinceEpoch());
    QCOMPARE(PeriodStart(LogPeriod::kLastSevenDays, now, timeZone, 0),
             lastSevenDays.toMSecsSinceEpoch());
}

void LogPeriodTest::SessionAndAll() {
    const QTimeZone berlin("Europe/Berlin");
    const QDateTime now = Utc("2026-12-09T04:00:00.000Z");
    QCOMPARE(PeriodStart(LogPeriod::kSession, now, berlin, 1234), qint64{1234});
    QCOMPARE(PeriodStart(LogPeriod::kAll, now, berlin, 1234), std::nullopt);
}

// The export's local times either side of a change of the clocks at half past the hour in UTC,
// newest first in Adelaide and oldest first in St. John's.
void LogPeriodTest::ExportTimesTakeTheirQuarterHoursOffset() {
    const auto text = [](LocalTimes& times, const char* utc) {
        return QString::fromStdString(times.Text(Utc(utc).toMSecsSinceEpoch()));
    };
    LocalTimes adelaide{QTimeZone("Australia/Adelaide")};
    QCOMPARE(text(adelaide, "2027-04-03T16:45:00.000Z"), "2027-04-04T02:15:00+09:30");
    QCOMPARE(text(adelaide, "2027-04-03T16:15:00.000Z"), "2027-04-04T02:45:00+10:30");
    LocalTimes stJohns{QTimeZone("America/St_Johns")};
    QCOMPARE(text(stJohns, "2027-03-14T05:15:00.000Z"), "2027-03-14T01:45:00-03:30");
    QCOMPARE(text(stJohns, "2027-03-14T05:45:00.000Z"), "2027-03-14T03:15:00-02:30");
}

}  // namespace kelvane

QTEST_GUILESS_MAIN(kelvane::LogPeriodTest)
#include "LogPeriod_test.moc"
