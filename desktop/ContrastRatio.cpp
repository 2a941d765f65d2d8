#include "desktop/ContrastRatio.h"

#include <QColor>
#include <algorithm>
#include <cmath>

namespace faktorlupe {

double relativeLuminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a) + 0.05;
    const double lb = relativeLuminance(b) + 0.05;
    return std::max(la, lb) / std::min(la, lb);
}

} // namespace faktorlupe
