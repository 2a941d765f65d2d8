#include "vergleich/window/ProblemLabel.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace faktorlupe::vergleich {
namespace {

const QColor kDarkRed(0xb0, 0x00, 0x20);
const QColor kLightRed(0xff, 0x8a, 0x80);
constexpr double kReadable = 4.5;

// Relative luminance as WCAG defines it, for its contrast ratio.
double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

} // namespace

void showAsProblem(QLabel& label) {
    QPalette palette = label.palette();
    const QColor window = palette.color(QPalette::Window);
    if (contrastRatio(kDarkRed, window) >= kReadable) {
        palette.setColor(QPalette::WindowText, kDarkRed);
    } else if (contrastRatio(kLightRed, window) >= kReadable) {
        palette.setColor(QPalette::WindowText, kLightRed);
    } else {
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, kDarkRed);
        label.setAutoFillBackground(true);
    }
    label.setPalette(palette);
    label.setWordWrap(true);
}

} // namespace faktorlupe::vergleich
