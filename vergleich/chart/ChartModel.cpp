#include "vergleich/chart/ChartModel.h"

#include "vergleich/readable/ReadableText.h"

#include <algorithm>

namespace faktorlupe::vergleich {
namespace {

struct Look {
    const char* colour;
    Marker marker;
    Dashes guideDashes;
};

// One row per row of kScanRows, in its order.
const Look kLooks[] = {
    {"#c0392b", Marker::Circle, Dashes::Dashed},
    {"#1f6fb4", Marker::Square, Dashes::DashDotted},
    {"#2c8c3c", Marker::Triangle, Dashes::Dotted},
};
static_assert(std::size(kLooks) == kScanCount, "a look for every scan");

struct Bounds {
    double lowN = 10, highN = 100, lowT = 1e300, highT = 0;
};

// The smallest and largest number and time measured; before any, a span of 10 to 100 and of a
// decade below a microsecond, so that an empty chart still has its axes.
Bounds boundsOf(const std::vector<NumberFigures>& sorted) {
    Bounds bounds;
    if (!sorted.empty()) {
        bounds.lowN = sorted.front().zahl;
        bounds.highN = sorted.back().zahl;
    }
    for (const NumberFigures& row : sorted)
        for (const ScanFigures& s : row.scans)
            if (s.seconds > 0) {
                bounds.lowT = std::min(bounds.lowT, s.seconds);
                bounds.highT = std::max(bounds.highT, s.seconds);
            }
    if (bounds.highT <= 0)
        bounds.lowT = 1e-7, bounds.highT = 1e-6;
    return bounds;
}

ChartAxisModel axisModel(std::string title, const AxisSpan& span, Scale scale,
                         std::string (*label)(double)) {
    ChartAxisModel axis{std::move(title), span.low, span.high, {}};
    for (double tick : span.ticks)
        axis.ticks.push_back({axisPosition(tick, scale), label(tick)});
    return axis;
}

ChartScan scanModel(const std::vector<NumberFigures>& sorted, std::size_t scan, Scale scale,
                    const ChartModel& chart) {
    const Look& look = kLooks[scan];
    ChartScan lines{"Algorithmus >" + std::string(kScanRows[scan].name) + "<",
                    guideNameText(scan),
                    look.colour,
                    look.marker,
                    look.guideDashes,
                    {},
                    {}};
    for (const NumberFigures& row : sorted)
        if (const double seconds = row.scans[scan].seconds; seconds > 0)
            lines.points.push_back({{axisPosition(row.zahl, scale), axisPosition(seconds, scale)},
                                    row.zahl,
                                    seconds,
                                    pointTooltipText(row, scan)});
    lines.guide =
        guideLine(sorted, scan, scale, {chart.x.low, chart.y.low}, {chart.x.high, chart.y.high});
    return lines;
}

} // namespace

ChartModel chartModel(const std::vector<NumberFigures>& figures, Scale scale) {
    // The lines join the points from the smallest number to the largest, in whatever order the
    // numbers were given.
    const std::vector<NumberFigures> sorted = sortedByNumber(figures);
    const Bounds bounds = boundsOf(sorted);
    ChartModel chart;
    chart.title = "Faktorlupe: Laufzeit der drei Algorithmen nach der Zahl";
    chart.x =
        axisModel("Zahl n", spanOf(bounds.lowN, bounds.highN, scale), scale, readableNumberText);
    chart.y = axisModel("Zeit je Lauf (Median)", spanOf(bounds.lowT, bounds.highT, scale), scale,
                        readableSecondsText);
    for (std::size_t scan = 0; scan < kScanCount; ++scan)
        chart.scans[scan] = scanModel(sorted, scan, scale, chart);
    return chart;
}

std::string pointTooltipText(const NumberFigures& figures, std::size_t scan) {
    const ScanFigures& ofScan = figures.scans[scan];
    std::string text = "Zahl: " + readableNumberText(figures.zahl) +
                       "\nAlgorithmus: " + kScanRows[scan].name +
                       "\nZeit: " + readableSecondsText(ofScan.seconds);
    if (const MeasuredRange& range = figures.ranges[scan]; range.fastest > 0)
        text += " (Messungen " + readablePercentText(spreadOf(range)) + " auseinander" +
                (isNoisy(range) ? ": unsicher" : "") + ")";
    return text + "\nKandidaten: " + readableNumberText(static_cast<double>(ofScan.candidates));
}

} // namespace faktorlupe::vergleich
