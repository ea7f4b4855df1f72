#include "ui/log/LuckChart.h"

#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "platform/qt/ChartLabels.h"
#include "platform/qt/ColourContrast.h"

namespace kelvane {

namespace {

constexpr int kBarGap = 2;

}  // namespace

LuckChart::LuckChart(QWidget* parent) : QWidget(parent) {
    //: Accessible name of the roll log's drawing of standings.
    setAccessibleName(tr("Standings"));
}

LuckChart::~LuckChart() = default;

void LuckChart::SetTenths(const std::array<std::int64_t, 10>& tenths) {
    tenths_ = tenths;
    setAccessibleDescription(Description());
    update();
}

QString LuckChart::Description() const {
    const QLocale locale;
    QStringList counts;
    for (const std::int64_t count : tenths_) {
        counts << locale.toString(static_cast<qlonglong>(count));
    }
    //: Read by screen readers: how many rolls stood in each tenth, from the lowest tenth to the
    //: highest. %1 is the list of ten numbers.
    return tr("Rolls by standing, bottom tenth to top tenth: %1").arg(counts.join(", "));
}

QSize LuckChart::sizeHint() const { return {200, 60}; }

QSize LuckChart::minimumSizeHint() const { return {100, 40}; }

void LuckChart::paintEvent(QPaintEvent* /*event*/) {
    const QFont labelFont = ChartLabelFont(font());
    const QFontMetrics metrics(labelFont);
    const QRect area = contentsRect();
    const QRect barArea(area.left(), area.top(), area.width(),
                        area.height() - metrics.height() - kChartLabelGap);
    if (barArea.isEmpty()) {
        return;
    }
    QPainter painter(this);
    const std::int64_t tallest = *std::max_element(tenths_.begin(), tenths_.end());
    if (tallest > 0) {
        const QColor colour = BarColour(palette());
        const double pitch = barArea.width() / 10.0;
        for (int bar = 0; bar < 10; ++bar) {
            const int left = barArea.left() + static_cast<int>(std::lround(bar * pitch));
            const int right =
                barArea.left() + static_cast<int>(std::lround((bar + 1) * pitch)) - kBarGap;
            const double share =
                static_cast<double>(tenths_[static_cast<std::size_t>(bar)]) / tallest;
            const int height = static_cast<int>(std::lround(share * barArea.height()));
            if (height > 0 && right > left) {
                painter.fillRect(QRect(left, barArea.bottom() + 1 - height, right - left, height),
                                 colour);
            }
        }
    }
    painter.setFont(labelFont);
    painter.setPen(palette().color(QPalette::WindowText));
    const QLocale locale;
    const QRect labelArea(area.left(), area.bottom() + 1 - metrics.height(), area.width(),
                          metrics.height());
    //: Below the drawing of standings: its left end, the bottom of the range.
    painter.drawText(labelArea, Qt::AlignLeft | Qt::AlignVCenter, tr("bottom"));
    //: Below the drawing of standings: its right end, the top of the range.
    painter.drawText(labelArea, Qt::AlignRight | Qt::AlignVCenter, tr("top"));
}

}  // namespace kelvane
