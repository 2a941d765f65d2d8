#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <QString>
#include <vector>

namespace faktorlupe::vergleich {

// What the chart shows, in one or two sentences for a screen reader, which sees no lines:
// "5 Zahlen von 100 Mio. bis 1,6 Mrd. Algorithmus >alle<: von 62,1 ms bis 1,01 s; ... .
// Algorithmus >alle< wächst wie n, >Hälfte< wie n, >Wurzel< wie die Wurzel von n.", the growth
// from the guides the chart draws.
QString chartSummary(const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
