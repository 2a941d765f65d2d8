#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <string>
#include <vector>

namespace faktorlupe::vergleich {

// What the chart shows, in one or two sentences for a screen reader, which sees no lines (UTF-8):
// "5 Zahlen von 100 Mio. bis 1,6 Mrd. Algorithmus >alle<: von 62,1 ms bis 1,01 s; ... .
// Algorithmus >alle< wächst wie n, >Hälfte< wie n, >Wurzel< wie die Wurzel von n.", the growth
// from the guides the chart draws.
std::string chartSummaryText(const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
