#include "ui/main/DistributionChart.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QLocale>
#include <QPalette>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "engine/Distribution.h"

using kelvane::DistributionChart;

namespace {

QPalette Palette(const QColor& window, const QColor& text, const QColor& highlight) {
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Highlight, highlight);
    return palette;
}

// WCAG 2 contrast ratio.
double Contrast(const QColor& first, const QColor& second) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const auto [darker, lighter] = std::minmax({luminance(first), luminance(second)});
    return (lighter + 0.05) / (darker + 0.05);
}

// The row along the bars' foot: the one with the most pixels off the ground.
int Foot(const QImage& image, QRgb ground) {
    int foot = 0;
    int most = -1;
    for (int y = 0; y < image.height(); ++y) {
        int off = 0;
        for (int x = 0; x < image.width(); ++x) {
            off += image.pixel(x, y) != ground ? 1 : 0;
        }
        if (off >= most) {
            most = off;
            foot = y;
        }
    }
    return foot;
}

}  // namespace

class DistributionChartTest : public QObject {
    Q_OBJECT

    // clang-format off
private slots:
    // clang-format on
    void barsAroundTheRolledTotal_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<int>("dice");
        QTest::addColumn<int>("sides");
        QTest::addColumn<qint64>("rolled");
        QTest::addColumn<bool>("barsLeft");  // other bars left of the rolled one
        QTest::addColumn<bool>("barsRight");
        const QPalette light = Palette(QColor(239, 239, 239), Qt::black, QColor(48, 140, 198));
        const QPalette dark = Palette(QColor(53, 53, 53), Qt::white, QColor(42, 130, 218));
        QTest::newRow("2d6, light") << light << 2 << 6 << qint64{7} << true << true;
        QTest::newRow("2d6, dark") << dark << 2 << 6 << qint64{7} << true << true;
        // A deep highlight that stands only 2.4:1 from its ground.
        QTest::newRow("2d6, deep highlight")
            << Palette(QColor(0x22, 0x20, 0x20), Qt::white, QColor(0x12, 0x60, 0x8a)) << 2 << 6
            << qint64{7} << true << true;
        QTest::newRow("2d6, the least") << light << 2 << 6 << qint64{2} << false << true;
        QTest::newRow("2d6, the most") << light << 2 << 6 << qint64{12} << true << false;
        // 501 totals on 100 bars; and 19001 totals drawn from a normal curve.
        QTest::newRow("100d6, dark") << dark << 100 << 6 << qint64{350} << true << true;
        QTest::newRow("1000d20, light") << light << 1000 << 20 << qint64{10500} << true << true;
    }

    void barsAroundTheRolledTotal() {
        QFETCH(QPalette, palette);
        QFETCH(int, dice);
        QFETCH(int, sides);
        QFETCH(qint64, rolled);
        QFETCH(bool, barsLeft);
        QFETCH(bool, barsRight);
        DistributionChart chart;
        chart.setPalette(palette);
        chart.resize(300, chart.sizeHint().height());
        chart.SetDistribution(kelvane::DistributionOfDice(static_cast<std::int16_t>(dice),
                                                          static_cast<std::int16_t>(sides)),
                              rolled);
        const QRgb ground = palette.color(QPalette::Window).rgb();
        // The rolled bar keeps the highlight's hue, lightened or darkened to stand 3:1.
        const int hue = palette.color(QPalette::Highlight).hsvHue();
        const auto isRolled = [hue](QRgb pixel) {
            const QColor colour(pixel);
            return colour.hsvSaturation() > 64 && std::abs(colour.hsvHue() - hue) <= 3;
        };
        QRgb highlight = 0;
        // In device pixels, at the scale the test runs at.
        const QImage image = chart.grab().toImage();

        std::map<QRgb, int> pixels;
        int rolledLeft = image.width();
        int rolledRight = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ++pixels[image.pixel(x, y)];
                if (isRolled(image.pixel(x, y))) {
                    highlight = image.pixel(x, y);
                    rolledLeft = std::min(rolledLeft, x);
                    rolledRight = std::max(rolledRight, x);
                }
            }
        }
        QVERIFY2(rolledRight >= 0, "no bar in the highlight");
        QVERIFY(Contrast(QColor(highlight), QColor(ground)) >= 3.0);
        pixels.erase(ground);
        pixels.erase(highlight);
        // The other bars cover more pixels than any shade of the labels' text.
        const QRgb bar = std::max_element(pixels.begin(), pixels.end(), [](auto a, auto b) {
                             return a.second < b.second;
                         })->first;
        QVERIFY(Contrast(QColor(bar), QColor(ground)) >= 3.0);
        bool barLeft = false;
        bool barRight = false;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                barLeft = barLeft || (x < rolledLeft && image.pixel(x, y) == bar);
                barRight = barRight || (x > rolledRight && image.pixel(x, y) == bar);
            }
        }
        QCOMPARE(barLeft, barsLeft);
        QCOMPARE(barRight, barsRight);
        if (dice == 2) {
            // Along the bars' foot, every gap as wide as the next, at any scale.
            const int foot = Foot(image, ground);
            QList<int> gaps{0};
            for (int x = 1; x < image.width(); ++x) {
                if (image.pixel(x, foot) == ground && image.pixel(x - 1, foot) != ground) {
                    gaps << 0;
                }
                gaps.last() += image.pixel(x, foot) == ground ? 1 : 0;
            }
            QCOMPARE(gaps.size(), 12);  // before, between and after the eleven bars
            QCOMPARE(std::set<int>(gaps.begin() + 1, gaps.end() - 1).size(), 1U);
        }
    }

    // Below the bars, the axis's first and last totals in the chart's number format: each
    // row renders two charts and compares the left and the right label.
    void axisLabels_data() {
        QTest::addColumn<QString>("first");  // dice, sides and locale of each chart
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("sameLeft");
        QTest::addColumn<bool>("sameRight");
        QTest::newRow("2 to 12, 1 to 12") << "2 6 en_US"
                                          << "1 12 en_US" << false << true;
        QTest::newRow("940 to 1.160, 940 to 1160") << "300 6 de_DE"
                                                   << "300 6 C" << true << false;
    }

    void axisLabels() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, sameLeft);
        QFETCH(bool, sameRight);
        QList<QImage> labels;
        for (const QString& chartOf : {first, second}) {
            const QStringList words = chartOf.split(' ');
            DistributionChart chart;
            chart.setLocale(QLocale(words[2]));
            chart.resize(300, chart.sizeHint().height());
            const auto odds = kelvane::DistributionOfDice(words[0].toShort(), words[1].toShort());
            chart.SetDistribution(odds, odds.Least());
            const QImage image = chart.grab().toImage();
            const int below = Foot(image, chart.palette().color(QPalette::Window).rgb()) + 1;
            labels << image.copy(0, below, image.width(), image.height() - below);
        }
        const int half = labels[0].width() / 2;
        QCOMPARE(labels[0].copy(0, 0, half, labels[0].height()) ==
                     labels[1].copy(0, 0, half, labels[1].height()),
                 sameLeft);
        QCOMPARE(labels[0].copy(half, 0, half, labels[0].height()) ==
                     labels[1].copy(half, 0, half, labels[1].height()),
                 sameRight);
    }
};

QTEST_MAIN(DistributionChartTest)
#include "DistributionChart_test.moc"
