#include "LocalTimes.h"

#include <QDateTime>
#include <QTest>

class LocalTimesTest : public QObject {
    Q_OBJECT

  private slots:
    void WritesEachTimeWithItsOwnOffset_data();
    void WritesEachTimeWithItsOwnOffset();
};

// Two times either side of a change of the clocks at half past the hour in UTC, in that order.
void LocalTimesTest::WritesEachTimeWithItsOwnOffset_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QStringList>("utc");
    QTest::addColumn<QStringList>("local");
    QTest::newRow("Adelaide going back, newest first")
        << QByteArray("Australia/Adelaide") << QStringList{"2027-04-03T16:45Z", "2027-04-03T16:15Z"}
        << QStringList{"2027-04-04T02:15:00+09:30", "2027-04-04T02:45:00+10:30"};
    QTest::newRow("St. John's going forward, oldest first")
        << QByteArray("America/St_Johns") << QStringList{"2027-03-14T05:15Z", "2027-03-14T05:45Z"}
        << QStringList{"2027-03-14T01:45:00-03:30", "2027-03-14T03:15:00-02:30"};
}

void LocalTimesTest::WritesEachTimeWithItsOwnOffset() {
    QFETCH(QByteArray, zone);
    QFETCH(QStringList, utc);
    QFETCH(QStringList, local);
    kelvane::LocalTimes times{QTimeZone(zone)};
    QStringList written;
    for (const QString& time : utc) {
        written << QString::fromStdString(
            times.Text(QDateTime::fromString(time, Qt::ISODate).toMSecsSinceEpoch()));
    }
    QCOMPARE(written, local);
}

QTEST_GUILESS_MAIN(LocalTimesTest)
#include "LocalTimes_test.moc"
