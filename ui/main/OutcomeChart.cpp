#include "ui/main/OutcomeChart.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QSizePolicy>
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "platform/qt/ChartLabels.h"
#include "platform/qt/ColourContrast.h"

namespace kelvane {

namespace {

// In logical pixels.
constexpr int kGap = 4;
constexpr int kRolledLeastHeight = 2;

}  // namespace

OutcomeChart::OutcomeChart(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    NameForScreenReaders();
}

OutcomeChart::~OutcomeChart() = default;

void OutcomeChart::SetOutcomes(const QStringList& names, const std::vector<double>& chances,
                               int rolled) {
    names_ = names;
    chances_ = chances;
    rolled_ = rolled;
    update();
}

QSize OutcomeChart::sizeHint() const { return ChartSize(font(), kPreferredBarLines); }

QSize OutcomeChart::minimumSizeHint() const { return ChartSize(font(), kSmallestBarLines); }

void OutcomeChart::NameForScreenReaders() {
    //: Accessible name of the bar chart of the chances of each outcome of the last roll.
    setAccessibleName(tr("Outcomes"));
}

void OutcomeChart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
        case QEvent::PaletteChange:
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

void OutcomeChart::paintEvent(QPaintEvent* /*event*/) {
    const auto bars = static_cast<int>(std::min<std::size_t>(chances_.size(), names_.size()));
    const double tallest =
        bars == 0 ? 0.0 : *std::max_element(chances_.begin(), chances_.begin() + bars);
    if (tallest <= 0.0) {
        return;
    }
    const QFont labelFont = ChartLabelFont(font());
    const QFontMetrics metrics(labelFont);
    const QRect area = contentsRect();
    const int barBottom = area.bottom() + 1 - metrics.height() - kChartLabelGap;
    const int fullHeight = barBottom - area.top();
    if (fullHeight <= 0) {
        return;
    }
    QPainter painter(this);
    painter.setFont(labelFont);
    const QColor barColour = BarColour(palette());
    const QColor rolledColour = RolledBarColour(palette());
    const double pitch = static_cast<double>(area.width() + kGap) / bars;
    for (int bar = 0; bar < bars; ++bar) {
        const int left = area.left() + static_cast<int>(std::lround(bar * pitch));
        const int width = static_cast<int>(std::lround((bar + 1) * pitch)) -
                          static_cast<int>(std::lround(bar * pitch)) - kGap;
        const auto index = static_cast<std::size_t>(bar);
        int height = static_cast<int>(std::lround(chances_[index] / tallest * fullHeight));
        if (bar == rolled_) {
            height = std::max(height, kRolledLeastHeight);
        }
        if (height > 0 && width > 0) {
            painter.fillRect(QRect(left, barBottom - height, width, height),
                             bar == rolled_ ? rolledColour : barColour);
        }
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect label(left, barBottom + kChartLabelGap, std::max(width, 1), metrics.height());
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignVCenter,
                         metrics.elidedText(names_[bar], Qt::ElideRight, label.width()));
    }
}

}  // namespace kelvane
