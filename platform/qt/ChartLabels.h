#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QSize>

namespace kelvane {

// The charts' axis labels: a little smaller than the widget's own text, set this far below
// the bars.
constexpr int kChartLabelGap = 2;

[[nodiscard]] inline QFont ChartLabelFont(const QFont& font) {
    constexpr double kLabelScale = 0.85;
    QFont labelFont = font;
    if (labelFont.pointSizeF() > 0) {
        labelFont.setPointSizeF(labelFont.pointSizeF() * kLabelScale);
    } else {
        labelFont.setPixelSize(static_cast<int>(labelFont.pixelSize() * kLabelScale));
    }
    return labelFont;
}

// A chart's size with bars as tall as barLines lines of font, and its labels below: heights in
// lines of the window's font, so the bars keep their room beside labels that grow with it.
constexpr int kPreferredBarLines = 4;
constexpr int kSmallestBarLines = 2;
[[nodiscard]] inline QSize ChartSize(const QFont& font, int barLines) {
    constexpr int kWidthPerLine = 4;  // the preferred width, in lines of the font
    const int line = QFontMetrics(font).height();
    const int labels = QFontMetrics(ChartLabelFont(font)).height() + kChartLabelGap;
    return {barLines * kWidthPerLine * line / kPreferredBarLines, barLines * line + labels};
}

}  // namespace kelvane
