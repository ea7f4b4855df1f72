#include "DistributionChart.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <map>

#include "Distribution.h"

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
        const QPalette light = Palette(QColor(239, 239, 239), Qt::black, QColor(48, 140, 198));
        const QPalette dark = Palette(QColor(53, 53, 53), Qt::white, QColor(42, 130, 218));
        QTest::newRow("2d6, light") << light << 2 << 6 << qint64{7};
        QTest::newRow("2d6, dark") << dark << 2 << 6 << qint64{7};
        // A deep highlight that stands only 2.4:1 from its ground.
        QTest::newRow("2d6, deep highlight")
            << Palette(QColor(0x22, 0x20, 0x20), Qt::white, QColor(0x12, 0x60, 0x8a)) << 2 << 6
            << qint64{7};
        // 501 totals on 100 bars; and 19001 totals drawn from a normal curve.
        QTest::newRow("100d6, dark") << dark << 100 << 6 << qint64{350};
        QTest::newRow("1000d20, light") << light << 1000 << 20 << qint64{10500};
    }

    void barsAroundTheRolledTotal() {
        QFETCH(QPalette, palette);
        QFETCH(int, dice);
        QFETCH(int, sides);
        QFETCH(qint64, rolled);
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
        QImage image(chart.size(), QImage::Format_RGB32);
        image.fill(ground);
        chart.render(&image);

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
        QVERIFY(barLeft && barRight);
    }
};

QTEST_MAIN(DistributionChartTest)
#include "DistributionChart_test.moc"
