#pragma once

#include "vergleich/chart/ChartGuide.h"

#include <QString>

namespace faktorlupe::vergleich {

// heardGrowthText for the window's texts: "n" or "die Wurzel von n", or empty.
QString heardGrowth(const std::vector<NumberFigures>& figures, std::size_t scan);

} // namespace faktorlupe::vergleich
