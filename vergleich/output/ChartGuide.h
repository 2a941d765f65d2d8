#pragma once

#include "vergleich/measurement/NumberFigures.h"
#include "vergleich/output/Chart.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

namespace faktorlupe::vergleich {

// The guide line of a scan: the curve its cost should follow, c * n, c * n/2 or c * √n, with the
// factor c fitted to the scan's points in the scale shown, so that the line runs through them as
// the eye sees it: on logarithmic axes the mean of log(seconds / growth); on linear ones the
// least-squares line through the origin, which a log fit would let overshoot the large numbers.
// Points of fewer than 1000 candidates, whose cost is mostly the fixed cost of a run, are drawn
// but steer the fit only where there are no others.

// Its name for pupils: "linear (n)", "linear, halb so steil (n/2)", "wie die Wurzel (√n)".
QString guideName(std::size_t scan);

// How the scan's time grows with the number, for a pupil's ear: "n" or "die Wurzel von n", from
// the guide among all three that its points lie closest to once fitted on logarithmic axes, as
// the eye judges growth there. Empty when the numbers span too little to tell, less than a
// factor of 4 from the smallest to the largest.
QString heardGrowth(const std::vector<NumberFigures>& figures, std::size_t scan);

// Its points in axis positions, from the left of the plot area to its right, cut where it
// leaves the plot area between low and high, since an SVG file does not clip what is drawn
// beyond it. None when the scan has no figures.
QList<QPointF> guideLine(const std::vector<NumberFigures>& figures, std::size_t scan, Scale scale,
                         QPointF low, QPointF high);

} // namespace faktorlupe::vergleich
