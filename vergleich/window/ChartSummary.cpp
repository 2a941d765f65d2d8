#include "vergleich/window/ChartSummary.h"

#include "vergleich/chart/ChartSummary.h"

namespace faktorlupe::vergleich {

QString chartSummary(const std::vector<NumberFigures>& figures) {
    return QString::fromStdString(chartSummaryText(figures));
}

} // namespace faktorlupe::vergleich
