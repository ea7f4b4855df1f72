#include "LocalTimes.h"

#include <QDateTime>
#include <QStringList>
#include <QTest>
#include <QTimeZone>

namespace kelvane {

class LocalTimesTest : public QObject {
    Q_OBJECT

  private slots:
    void WritesEachTimeWithItsOwnOffset_data();
    void WritesEachTimeWithItsOwnOffset();
};

void LocalTimesTest::WritesEachTimeWithItsOwnOffset_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QStringList>("utc");  // in the order written
    QTest::addColumn<QStringList>("local");

    // Adelaide's clocks go back from 03:00 (UTC+10:30) to 02:00 (UTC+9:30) at 16:30 UTC.
    QTest::newRow("Adelaide's autumn change, newest first")
        << QByteArray("Australia/Adelaide")
        << QStringList{"2027-04-03T16:45:00.000Z", "2027-04-03T16:15:00.000Z"}
        << QStringList{"2027-04-04T02:15:00+09:30", "2027-04-04T02:45:00+10:30"};
    // St. John's clocks go forward from 02:00 (UTC-3:30) to 03:00 (UTC-2:30) at 05:30 UTC.
    QTest::newRow("St. John's spring change, oldest first")
        << QByteArray("America/St_Johns")
        << QStringList{"2027-03-14T05:15:00.000Z", "2027-03-14T05:45:00.000Z"}
        << QStringList{"2027-03-14T01:45:00-03:30", "2027-03-14T03:15:00-02:30"};
    QTest::newRow("a new year that comes first in the zone")
        << QByteArray("Europe/Berlin") << QStringList{"2026-12-31T23:30:00.000Z"}
        << QStringList{"2027-01-01T00:30:00+01:00"};
    QTest::newRow("a millisecond before 1970")
        << QByteArray("UTC") << QStringList{"1969-12-31T23:59:59.999Z"}
        << QStringList{"1969-12-31T23:59:59+00:00"};
}

void LocalTimesTest::WritesEachTimeWithItsOwnOffset() {
    QFETCH(QByteArray, zone);
    QFETCH(QStringList, utc);
    QFETCH(QStringList, local);
    const QTimeZone timeZone(zone);
    QVERIFY(timeZone.isValid());
    LocalTimes times(timeZone);
    QStringList written;
    for (const QString& time : utc) {
        const QDateTime instant = QDateTime::fromString(time, Qt::ISODateWithMs);
        written << QString::fromStdString(times.Text(instant.toMSecsSinceEpoch()));
    }
    QCOMPARE(written, local);
}

}  // namespace kelvane

QTEST_GUILESS_MAIN(kelvane::LocalTimesTest)
#include "LocalTimes_test.moc"
