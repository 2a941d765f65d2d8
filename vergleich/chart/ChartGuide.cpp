#include "vergleich/chart/ChartGuide.h"

#include <algorithm>
#include <cmath>

namespace faktorlupe::vergleich {
namespace {

struct Growth {
    const char* name;
    const char* heard;      // as a pupil hears it after "wächst wie"
    double (*of)(double n); // what the scan's cost should be proportional to
};

// One row per row of kScanRows, in its order.
const Growth kGrowths[] = {
    {"linear (n)", "n", [](double n) { return n; }},
    {"linear, halb so steil (n/2)", "n", [](double n) { return n / 2; }},
    {"wie die Wurzel (√n)", "die Wurzel von n", [](double n) { return std::sqrt(n); }},
};
static_assert(std::size(kGrowths) == kScanCount, "a look for every scan");

constexpr std::int64_t kCandidatesForFit = 1000;
// Numbers closer together than this tell n from √n no better than the noise of a timing does.
constexpr double kSpanForGrowth = 4;
constexpr int kSteps = 96;

struct Point {
    double n;
    double seconds;
};

std::vector<Point> pointsForFit(const std::vector<NumberFigures>& figures, std::size_t scan) {
    std::vector<Point> points;
    for (bool all : {false, true}) {
        for (const NumberFigures& row : figures) {
            const ScanFigures& s = row.scans[scan];
            if (s.seconds > 0 && (all || s.candidates >= kCandidatesForFit))
                points.push_back({static_cast<double>(row.zahl), s.seconds});
        }
        if (!points.empty())
            break;
    }
    return points;
}

double fitFactor(const std::vector<Point>& points, const Growth& growth, Scale scale) {
    double upper = 0, lower = 0;
    for (const Point& p : points) {
        const double g = growth.of(p.n);
        if (scale == Scale::Logarithmic) {
            upper += std::log(p.seconds / g);
            lower += 1;
        } else {
            upper += g * p.seconds;
            lower += g * g;
        }
    }
    if (lower <= 0)
        return 0;
    return scale == Scale::Logarithmic ? std::exp(upper / lower) : upper / lower;
}

// How far the points lie from the growth's guide on logarithmic axes, as the eye judges growth:
// the sum of their squared distances in powers of e.
double logDistance(const std::vector<Point>& points, const Growth& growth) {
    const double factor = fitFactor(points, growth, Scale::Logarithmic);
    double sum = 0;
    for (const Point& p : points)
        sum += std::pow(std::log(p.seconds / (factor * growth.of(p.n))), 2);
    return sum;
}

// The part of the segment from a to b that lies between the heights low and high.
void appendClipped(std::vector<ChartPoint>& line, ChartPoint a, ChartPoint b, double low,
                   double high) {
    double from = 0, to = 1;
    const double rise = b.y - a.y;
    if (rise == 0) {
        if (a.y < low || a.y > high)
            return;
    } else {
        double enter = (low - a.y) / rise, leave = (high - a.y) / rise;
        if (enter > leave)
            std::swap(enter, leave);
        from = std::max(from, enter);
        to = std::min(to, leave);
        if (from > to)
            return;
    }
    const auto along = [&](double share) {
        return ChartPoint{a.x + (b.x - a.x) * share, a.y + (b.y - a.y) * share};
    };
    const ChartPoint start = along(from), end = along(to);
    if (line.empty() || line.back() != start)
        line.push_back(start);
    line.push_back(end);
}

} // namespace

std::string guideNameText(std::size_t scan) {
    return kGrowths[scan].name;
}

std::string heardGrowthText(const std::vector<NumberFigures>& figures, std::size_t scan) {
    const std::vector<Point> points = pointsForFit(figures, scan);
    const auto [low, high] = std::minmax_element(
        points.begin(), points.end(), [](const Point& a, const Point& b) { return a.n < b.n; });
    if (points.size() < 2 || high->n < kSpanForGrowth * low->n)
        return {};
    const Growth* closest = &kGrowths[0];
    for (const Growth& growth : kGrowths)
        if (logDistance(points, growth) < logDistance(points, *closest))
            closest = &growth;
    return closest->heard;
}

std::vector<ChartPoint> guideLine(const std::vector<NumberFigures>& figures, std::size_t scan,
                                  Scale scale, ChartPoint low, ChartPoint high) {
    const Growth& growth = kGrowths[scan];
    const double factor = fitFactor(pointsForFit(figures, scan), growth, scale);
    std::vector<ChartPoint> line;
    if (factor <= 0)
        return line;
    const auto pointAt = [&](int step) {
        const double x = low.x + (high.x - low.x) * step / kSteps;
        const double n = scale == Scale::Logarithmic ? std::pow(10, x) : x;
        return ChartPoint{x, axisPosition(factor * growth.of(n), scale)};
    };
    for (int step = 0; step < kSteps; ++step)
        appendClipped(line, pointAt(step), pointAt(step + 1), low.y, high.y);
    return line;
}

} // namespace faktorlupe::vergleich
