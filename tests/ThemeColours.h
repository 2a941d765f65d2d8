#pragma once

// What the contrast tests of both windows share: the colours of a dark desktop theme and WCAG's
// contrast ratio.
#include <QColor>
#include <QPalette>
#include <algorithm>
#include <cmath>

// The colours of a dark theme such as Adwaita dark: light text on dark grey.
inline QPalette darkThemePalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    dark.setColor(QPalette::Text, QColor(0xff, 0xff, 0xff));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    return dark;
}

// WCAG's contrast ratio of two colours: 1 for equal ones, 21 for black on white.
inline double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto channel = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}
