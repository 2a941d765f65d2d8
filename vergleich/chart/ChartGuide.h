#pragma once

#include "vergleich/chart/ChartAxis.h"
#include "vergleich/measurement/NumberFigures.h"

#include <cstddef>
#include <string>
#include <vector>

namespace faktorlupe::vergleich {

// The guide line of a scan: the curve its cost should follow, c * n, c * n/2 or c * √n, with the
// factor c fitted to the scan's points in the scale shown, so that the line runs through them as
// the eye sees it: on logarithmic axes the mean of log(seconds / growth); on linear ones the
// least-squares line through the origin, which a log fit would let overshoot the large numbers.
// Points of fewer than 1000 candidates, whose cost is mostly the fixed cost of a run, are drawn
// but steer the fit only where there are no others.

// A point in axis positions (see axisPosition).
struct ChartPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

// Its name for pupils (UTF-8): "linear (n)", "linear, halb so steil (n/2)", "wie die Wurzel (√n)".
std::string guideNameText(std::size_t scan);

// How the scan's time grows with the number, for a pupil's ear: "n" or "die Wurzel von n", from
// the guide among all three that its points lie closest to once fitted on logarithmic axes, as
// the eye judges growth there. Empty when the numbers span too little to tell, less than a
// factor of 4 from the smallest to the largest.
std::string heardGrowthText(const std::vector<NumberFigures>& figures, std::size_t scan);

// Its points in axis positions, from the left of the plot area to its right, cut where it
// leaves the plot area between low and high, since an SVG file does not clip what is drawn
// beyond it. None when the scan has no figures.
std::vector<ChartPoint> guideLine(const std::vector<NumberFigures>& figures, std::size_t scan,
                                  Scale scale, ChartPoint low, ChartPoint high);

} // namespace faktorlupe::vergleich
