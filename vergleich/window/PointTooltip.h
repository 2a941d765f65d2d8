#pragma once

#include "vergleich/measurement/NumberFigures.h"
#include "vergleich/output/Chart.h"

#include <QPoint>
#include <QString>
#include <vector>

class QChartView;

namespace faktorlupe::vergleich {

// The figures of the measured point drawn nearest to the mouse, if one lies within a few pixels
// of it: the number, the scan, its time with the spread of its measurements, its candidates.
// Empty when none is that near.
QString pointTooltip(const QChartView& view, const std::vector<NumberFigures>& figures, Scale scale,
                     QPoint mouse);

} // namespace faktorlupe::vergleich
