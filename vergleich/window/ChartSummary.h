#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <QString>
#include <vector>

namespace faktorlupe::vergleich {

// chartSummaryText (vergleich/chart/ChartSummary.h) for the chart view's description.
QString chartSummary(const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
