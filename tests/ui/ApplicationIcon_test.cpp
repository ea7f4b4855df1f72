#include "ui/ApplicationIcon.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QtTest>

class ApplicationIconTest : public QObject {
    Q_OBJECT

  private slots:
    void renderedSizesAreTheirPngs_data() {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128, 256}) {
            QTest::newRow(qPrintable(QString::number(size))) << size;
        }
    }

    void renderedSizesAreTheirPngs() {
        QFETCH(int, size);
        const QImage png(QStringLiteral(":/icons/kelvane-%1.png").arg(size));
        QCOMPARE(kelvane::ApplicationIcon().pixmap(size).toImage().convertToFormat(png.format()),
                 png);
    }

    void otherSizesAreScaledToFit_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("between 16 and 32") << 20;
        QTest::newRow("above 256") << 300;
    }

    void otherSizesAreScaledToFit() {
        QFETCH(int, size);
        QCOMPARE(kelvane::ApplicationIcon().pixmap(size).size(), QSize(size, size));
    }
};

QTEST_MAIN(ApplicationIconTest)
#include "ApplicationIcon_test.moc"
