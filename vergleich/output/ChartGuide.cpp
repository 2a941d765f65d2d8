#include "vergleich/output/ChartGuide.h"

#include "vergleich/output/ChartAxis.h"

#include <algorithm>
#include <cmath>

namespace faktorlupe::vergleich {
namespace {

struct Growth {
    const char* name;
    double (*of)(double n); // what the scan's cost should be proportional to
};

// In the order of kScanNames.
const Growth kGrowths[kScanCount] = {
    {"linear (n)", [](double n) { return n; }},
    {"linear, halb so steil (n/2)", [](double n) { return n / 2; }},
    {"wie die Wurzel (√n)", [](double n) { return std::sqrt(n); }},
};

constexpr std::int64_t kCandidatesForFit = 1000;
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

// The part of the segment from a to b that lies between the heights low and high.
void appendClipped(QList<QPointF>& line, QPointF a, QPointF b, double low, double high) {
    double from = 0, to = 1;
    const double rise = b.y() - a.y();
    if (rise == 0) {
        if (a.y() < low || a.y() > high)
            return;
    } else {
        double enter = (low - a.y()) / rise, leave = (high - a.y()) / rise;
        if (enter > leave)
            std::swap(enter, leave);
        from = std::max(from, enter);
        to = std::min(to, leave);
        if (from > to)
            return;
    }
    const QPointF start = a + (b - a) * from, end = a + (b - a) * to;
    if (line.isEmpty() || line.back() != start)
        line.append(start);
    line.append(end);
}

} // namespace

QString guideName(std::size_t scan) {
    return QString::fromUtf8(kGrowths[scan].name);
}

QList<QPointF> guideLine(const std::vector<NumberFigures>& figures, std::size_t scan, Scale scale,
                         QPointF low, QPointF high) {
    const Growth& growth = kGrowths[scan];
    const double factor = fitFactor(pointsForFit(figures, scan), growth, scale);
    QList<QPointF> line;
    if (factor <= 0)
        return line;
    const auto pointAt = [&](int step) {
        const double x = low.x() + (high.x() - low.x()) * step / kSteps;
        const double n = scale == Scale::Logarithmic ? std::pow(10, x) : x;
        return QPointF(x, axisPosition(factor * growth.of(n), scale));
    };
    for (int step = 0; step < kSteps; ++step)
        appendClipped(line, pointAt(step), pointAt(step + 1), low.y(), high.y());
    return line;
}

} // namespace faktorlupe::vergleich
