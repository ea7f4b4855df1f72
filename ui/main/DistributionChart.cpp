#include "DistributionChart.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QFontMetrics>
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

#include "ColourContrast.h"

namespace kelvane {

namespace {

// In logical pixels.
constexpr QSize kPreferredSize(240, 80);
constexpr QSize kSmallestSize(80, 48);
constexpr int kMaximumHeight = 90;
constexpr int kNarrowestPitch = 3;  // a bar and the gap after it
constexpr int kGapFromPitch = 4;    // narrower bars go without a gap
constexpr int kRolledLeastHeight = 2;
constexpr int kLabelGap = 2;
constexpr double kLabelScale = 0.85;
constexpr double kBarContrast = 3.0;

// The text colour blended into the ground, as little as keeps the bars 3:1 from the ground,
// so that they stay quieter than the text on light and dark palettes alike.
QColor BarColour(const QPalette& palette) {
    const QColor ground = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    constexpr int kSteps = 12;
    for (int step = kSteps / 2; step <= kSteps; ++step) {
        const float weight = static_cast<float>(step) / kSteps;
        const auto blend = [&](float from, float to) { return from + weight * (to - from); };
        const QColor bar = QColor::fromRgbF(blend(ground.redF(), text.redF()),
                                            blend(ground.greenF(), text.greenF()),
                                            blend(ground.blueF(), text.blueF()));
        if (Contrast(bar, ground) >= kBarContrast) {
            return bar;
        }
    }
    // A palette whose text itself lacks the contrast.
    return Contrast(Qt::black, ground) >= Contrast(Qt::white, ground) ? QColor(Qt::black)
                                                                      : QColor(Qt::white);
}

// The highlight, made lighter on a dark ground or darker on a light one only as far as it
// needs to stand 3:1 from the ground, as a dark theme's deep highlight may not.
QColor RolledColour(const QPalette& palette) {
    const QColor ground = palette.color(QPalette::Window);
    QColor rolled = palette.color(QPalette::Highlight);
    const bool darkGround = Luminance(ground) < Luminance(palette.color(QPalette::WindowText));
    constexpr int kSteps = 20;
    for (int step = 0; step < kSteps && Contrast(rolled, ground) < kBarContrast; ++step) {
        rolled = darkGround ? rolled.lighter(110) : rolled.darker(110);
    }
    return rolled;
}

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

std::vector<double> BarChances(const Distribution& distribution, const Binning& binning, int bars) {
    std::vector<double> chances(static_cast<std::size_t>(bars), 0.0);
    if (distribution.IsExact()) {
        const std::vector<double>& probabilities = distribution.Probabilities();
        for (std::size_t i = 0; i < probabilities.size(); ++i) {
            chances[static_cast<std::size_t>(binning.BarOf(i))] += probabilities[i];
        }
        return chances;
    }
    for (int bar = 0; bar < bars; ++bar) {
        const std::int64_t least = distribution.Least();
        chances[static_cast<std::size_t>(bar)] =
            distribution.Between(TotalAt(least, binning.FirstOffset(bar)),
                                 TotalAt(least, binning.FirstOffset(bar + 1) - 1));
    }
    return chances;
}

}  // namespace

DistributionChart::DistributionChart(QWidget* parent) : QWidget(parent) {
    setMaximumHeight(kMaximumHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
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

QSize DistributionChart::sizeHint() const { return kPreferredSize; }

QSize DistributionChart::minimumSizeHint() const { return kSmallestSize; }

void DistributionChart::NameForScreenReaders() {
    //: Accessible name of the bar chart of the chances of each total of the last roll.
    setAccessibleName(tr("Distribution"));
}

void DistributionChart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        update();
    } else if (event->type() == QEvent::LanguageChange) {
        NameForScreenReaders();
    }
}

void DistributionChart::paintEvent(QPaintEvent* /*event*/) {
    if (!distribution_ || distribution_->FailureChance() >= 1.0) {
        return;
    }
    const Distribution& distribution = *distribution_;
    QFont labelFont = font();
    if (labelFont.pointSizeF() > 0) {
        labelFont.setPointSizeF(labelFont.pointSizeF() * kLabelScale);
    } else {
        labelFont.setPixelSize(static_cast<int>(labelFont.pixelSize() * kLabelScale));
    }
    const QFontMetrics metrics(labelFont);
    const QRect area = contentsRect();
    const QRect barArea(area.left(), area.top(), area.width(),
                        area.height() - metrics.height() - kLabelGap);
    if (barArea.isEmpty()) {
        return;
    }

    // A range of all 2^64 totals loses its last one.
    const std::uint64_t totals =
        std::max<std::uint64_t>(static_cast<std::uint64_t>(distribution.Most()) -
                                    static_cast<std::uint64_t>(distribution.Least()) + 1,
                                1);
    const int bars = static_cast<int>(std::min<std::uint64_t>(
        totals, static_cast<std::uint64_t>(std::max(1, barArea.width() / kNarrowestPitch))));
    const Binning binning(totals, bars);
    const std::vector<double> chances = BarChances(distribution, binning, bars);
    const double tallest = *std::max_element(chances.begin(), chances.end());
    const bool rolledShows =
        rolledTotal_ >= distribution.Least() && rolledTotal_ <= distribution.Most();
    const int rolledBar = rolledShows
                              ? binning.BarOf(static_cast<std::uint64_t>(rolledTotal_) -
                                              static_cast<std::uint64_t>(distribution.Least()))
                              : -1;

    QPainter painter(this);
    const QColor barColour = BarColour(palette());
    const QColor rolledColour = RolledColour(palette());
    const double pitch = static_cast<double>(barArea.width()) / bars;
    const int gap = pitch >= kGapFromPitch ? 1 : 0;
    for (int bar = 0; bar < bars; ++bar) {
        const int left = barArea.left() + static_cast<int>(std::lround(bar * pitch));
        const int right = barArea.left() + static_cast<int>(std::lround((bar + 1) * pitch)) - gap;
        const double share = tallest > 0.0 ? chances[static_cast<std::size_t>(bar)] / tallest : 0.0;
        int height = static_cast<int>(std::lround(share * barArea.height()));
        if (bar == rolledBar) {
            height = std::max(height, kRolledLeastHeight);
        }
        if (height > 0 && right > left) {
            painter.fillRect(QRect(left, barArea.bottom() + 1 - height, right - left, height),
                             bar == rolledBar ? rolledColour : barColour);
        }
    }

    painter.setFont(labelFont);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect labelArea(area.left(), area.bottom() + 1 - metrics.height(), area.width(),
                          metrics.height());
    painter.drawText(labelArea, Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(distribution.Least()));
    if (distribution.Most() != distribution.Least()) {
        painter.drawText(labelArea, Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(distribution.Most()));
    }
}

}  // namespace kelvane
