#pragma once

#include <QFont>

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

}  // namespace kelvane
