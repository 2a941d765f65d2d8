#include "vergleich/chart/ChartAxis.h"

#include <algorithm>
#include <cmath>

namespace faktorlupe::vergleich {
namespace {

// The room left beyond the outermost values, as a share of the span between them.
constexpr double kMargin = 0.04;
constexpr int kFewestDecadeTicks = 3;

// 1, 2 or 5 times a power of ten: the step that divides the range into about five parts.
double niceStep(double range) {
    const double raw = range / 5;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw)
            return factor * power;
    return 10 * power;
}

AxisSpan logarithmicSpan(double lowest, double highest) {
    AxisSpan span;
    span.low = std::log10(lowest);
    span.high = std::log10(highest);
    // One value alone, or values close together: at least a little over half a decade.
    const double shortest = 0.6;
    if (span.high - span.low < shortest) {
        const double middle = (span.low + span.high) / 2;
        span.low = middle - shortest / 2;
        span.high = middle + shortest / 2;
    }
    const double margin = (span.high - span.low) * kMargin;
    span.low -= margin;
    span.high += margin;
    const auto inside = [&](double value) {
        const double at = std::log10(value);
        return at >= span.low && at <= span.high;
    };
    for (bool fine : {false, true}) {
        span.ticks.clear();
        for (double decade = std::floor(span.low); decade <= std::ceil(span.high); ++decade)
            for (double factor : {1.0, 2.0, 5.0})
                if ((fine || factor == 1.0) && inside(factor * std::pow(10, decade)))
                    span.ticks.push_back(factor * std::pow(10, decade));
        if (span.ticks.size() >= kFewestDecadeTicks)
            break;
    }
    return span;
}

AxisSpan linearSpan(double highest) {
    AxisSpan span;
    span.low = 0;
    span.high = highest > 0 ? highest * (1 + kMargin) : 1;
    const double step = niceStep(span.high);
    for (int i = 0; i * step <= span.high; ++i)
        span.ticks.push_back(i * step);
    return span;
}

} // namespace

double axisPosition(double value, Scale scale) {
    return scale == Scale::Logarithmic ? std::log10(value) : value;
}

AxisSpan spanOf(double lowest, double highest, Scale scale) {
    return scale == Scale::Logarithmic ? logarithmicSpan(lowest, highest) : linearSpan(highest);
}

} // namespace faktorlupe::vergleich
