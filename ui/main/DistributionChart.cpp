#include "ui/main/DistributionChart.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QSizePolicy>
#include <QString>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "platform/qt/ChartLabels.h"
#include "platform/qt/ColourContrast.h"

namespace kelvane {

namespace {

// Widths in logical pixels.
constexpr int kNarrowestPitch = 3;  // a bar and the gap after it
constexpr int kGapFromPitch = 4;    // narrower bars go without a gap
// The share of rolls left off the axis at either end.
constexpr double kAxisTail = 0.0001;
constexpr int kRolledLeastHeight = 2;

// Bar b of `bars` over `totals` consecutive totals takes the totals from offset
// ceil(b * totals / bars) on. A range too wide for a double is only ever approximate, where an
// edge rounded by a total does not show.
class Binning {
  public:
    Binning(std::uint64_t totals, int bars) : totals_(totals), bars_(bars) {}

    [[nodiscard]] int BarOf(std::uint64_t offset) const {
        return static_cast<int>(std::floor(static_cast<long double>(offset) * bars_ / totals_));
    }
    [[nodiscard]] std::uint64_t FirstOffset(int bar) const {
        return static_cast<std::uint64_t>(
            std::ceil(static_cast<long double>(bar) * totals_ / bars_));
    }

  private:
    std::uint64_t totals_;
    int bars_;
};

// The total at `offset` past `least`, in unsigned arithmetic, as the offset may exceed 2^63.
std::int64_t TotalAt(std::int64_t least, std::uint64_t offset) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(least) + offset);
}

std::uint64_t Offset(std::int64_t total, std::int64_t least) {
    return static_cast<std::uint64_t>(total) - static_cast<std::uint64_t>(least);
}

// The totals the axis runs over: all but the rarest ten thousandth at either end, so that the
// bars fill the chart for a roll with long thin tails, and always the rolled total.
struct Axis {
    std::int64_t low;
    std::int64_t high;
};

Axis AxisOf(const Distribution& distribution, std::int64_t rolledTotal) {
    const auto within = [&distribution](std::int64_t total) {
        return std::clamp(total, distribution.Least(), distribution.Most());
    };
    return {within(std::min(distribution.Quantile(kAxisTail), rolledTotal)),
            within(std::max(distribution.Quantile(1.0 - kAxisTail), rolledTotal))};
}

std::vector<double> BarChances(const Distribution& distribution, const Axis& axis,
                               const Binning& binning, int bars) {
    std::vector<double> chances(static_cast<std::size_t>(bars), 0.0);
    if (distribution.IsExact()) {
        const std::vector<double>& probabilities = distribution.Probabilities();
        const std::uint64_t first = Offset(axis.low, distribution.Least());
        const std::uint64_t last = Offset(axis.high, distribution.Least());
        for (std::uint64_t i = first; i <= last && i < probabilities.size(); ++i) {
            chances[static_cast<std::size_t>(binning.BarOf(i - first))] += probabilities[i];
        }
        return chances;
    }
    for (int bar = 0; bar < bars; ++bar) {
        chances[static_cast<std::size_t>(bar)] =
            distribution.Between(TotalAt(axis.low, binning.FirstOffset(bar)),
                                 TotalAt(axis.low, binning.FirstOffset(bar + 1) - 1));
    }
    return chances;
}

void PaintBars(QPainter& painter, const QRect& barArea, const Distribution& distribution,
               const Axis& axis, std::int64_t rolledTotal, const QPalette& palette) {
    // Laid out in the device's own pixels, so that at 150 % every gap is as wide as the next
    // instead of one pixel, then two.
    const qreal scale = painter.device()->devicePixelRatioF();
    const auto device = [scale](int logical) {
        return static_cast<int>(std::lround(logical * scale));
    };
    const int left = device(barArea.left());
    const int width = device(barArea.left() + barArea.width()) - left;
    const int bottom = device(barArea.top() + barArea.height());
    const int fullHeight = bottom - device(barArea.top());

    // A range of all 2^64 totals loses its last one.
    const std::uint64_t totals = std::max<std::uint64_t>(Offset(axis.high, axis.low) + 1, 1);
    const int bars = static_cast<int>(std::min<std::uint64_t>(
        totals, static_cast<std::uint64_t>(std::max(1, width / device(kNarrowestPitch)))));
    const Binning binning(totals, bars);
    const std::vector<double> chances = BarChances(distribution, axis, binning, bars);
    const double tallest = *std::max_element(chances.begin(), chances.end());
    const bool rolledShows = rolledTotal >= axis.low && rolledTotal <= axis.high;
    const int rolledBar = rolledShows ? binning.BarOf(Offset(rolledTotal, axis.low)) : -1;

    const QColor barColour = BarColour(palette);
    const QColor rolledColour = RolledBarColour(palette);
    const double pitch = static_cast<double>(width) / bars;
    const int gap = pitch >= device(kGapFromPitch) ? std::max(1, static_cast<int>(scale)) : 0;
    painter.save();
    painter.scale(1.0 / scale, 1.0 / scale);
    for (int bar = 0; bar < bars; ++bar) {
        const int barLeft = left + static_cast<int>(std::lround(bar * pitch));
        const int barRight = left + static_cast<int>(std::lround((bar + 1) * pitch)) - gap;
        const double share = tallest > 0.0 ? chances[static_cast<std::size_t>(bar)] / tallest : 0.0;
        int height = static_cast<int>(std::lround(share * fullHeight));
        if (bar == rolledBar) {
            height = std::max(height, device(kRolledLeastHeight));
        }
        if (height > 0 && barRight > barLeft) {
            painter.fillRect(QRect(barLeft, bottom - height, barRight - barLeft, height),
                             bar == rolledBar ? rolledColour : barColour);
        }
    }
    painter.restore();
}

}  // namespace

DistributionChart::DistributionChart(QWidget* parent) : QWidget(parent) {
    // Takes the room its band has to spare, and at least what its font asks for.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    NameForScreenReaders();
}

DistributionChart::~DistributionChart() = default;

void DistributionChart::SetDistribution(const Distribution& distribution,
                                        std::int64_t rolledTotal) {
    distribution_ = distribution;
    rolledTotal_ = rolledTotal;
    update();
}

void DistributionChart::Clear() {
    distribution_.reset();
    update();
}

QSize DistributionChart::sizeHint() const { return ChartSize(font(), kPreferredBarLines); }

QSize DistributionChart::minimumSizeHint() const { return ChartSize(font(), kSmallestBarLines); }

void DistributionChart::NameForScreenReaders() {
    //: Accessible name of the bar chart of the chances of each total of the last roll.
    setAccessibleName(tr("Distribution"));
}

void DistributionChart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
        case QEvent::PaletteChange:
        case QEvent::LocaleChange:
            update();
            break;
        case QEvent::FontChange:
            updateGeometry();
            break;
        case QEvent::LanguageChange:
            NameForScreenReaders();
            break;
        default:
            break;
    }
}

void DistributionChart::paintEvent(QPaintEvent* /*event*/) {
    if (!distribution_ || distribution_->FailureChance() >= 1.0) {
        return;
    }
    const Distribution& distribution = *distribution_;
    const QFont labelFont = ChartLabelFont(font());
    const QFontMetrics metrics(labelFont);
    const QRect area = contentsRect();
    const QRect barArea(area.left(), area.top(), area.width(),
                        area.height() - metrics.height() - kChartLabelGap);
    if (barArea.isEmpty()) {
        return;
    }
    QPainter painter(this);
    const Axis axis = AxisOf(distribution, rolledTotal_);
    PaintBars(painter, barArea, distribution, axis, rolledTotal_, palette());

    painter.setFont(labelFont);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect labelArea(area.left(), area.bottom() + 1 - metrics.height(), area.width(),
                          metrics.height());
    painter.drawText(labelArea, Qt::AlignLeft | Qt::AlignVCenter,
                     locale().toString(static_cast<qlonglong>(axis.low)));
    if (axis.high != axis.low) {
        painter.drawText(labelArea, Qt::AlignRight | Qt::AlignVCenter,
                         locale().toString(static_cast<qlonglong>(axis.high)));
    }
}

}  // namespace kelvane
