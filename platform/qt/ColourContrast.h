#pragma once

#include <QColor>
#include <QPalette>
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

// The text colour blended into the ground, as little as keeps a chart's bars 3:1 from the
// ground, so that they stay quieter than the text on light and dark palettes alike.
[[nodiscard]] inline QColor BarColour(const QPalette& palette) {
    constexpr double kBarContrast = 3.0;
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

// The rolled bar's colour: the highlight, made lighter on a dark ground or darker on a light one
// only as far as it needs to stand 3:1 from the ground, as a dark theme's deep highlight may not.
[[nodiscard]] inline QColor RolledBarColour(const QPalette& palette) {
    constexpr double kBarContrast = 3.0;
    const QColor ground = palette.color(QPalette::Window);
    QColor rolled = palette.color(QPalette::Highlight);
    const bool darkGround = Luminance(ground) < Luminance(palette.color(QPalette::WindowText));
    constexpr int kSteps = 20;
    for (int step = 0; step < kSteps && Contrast(rolled, ground) < kBarContrast; ++step) {
        rolled = darkGround ? rolled.lighter(110) : rolled.darker(110);
    }
    return rolled;
}

}  // namespace kelvane
