#pragma once

#include <QColor>
#include <algorithm>
#include <cmath>

namespace kelvane {

// Relative luminance and contrast ratio as the WCAG define them, for colours that must stay
// readable on light and dark palettes alike.
[[nodiscard]] inline double Luminance(const QColor& colour) {
    const auto linear = [](float channel) {
        return channel <= 0.04045F ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

[[nodiscard]] inline double Contrast(const QColor& first, const QColor& second) {
    const auto [darker, lighter] = std::minmax({Luminance(first), Luminance(second)});
    return (lighter + 0.05) / (darker + 0.05);
}

}  // namespace kelvane
