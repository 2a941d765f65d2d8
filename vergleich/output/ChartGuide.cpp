#include "vergleich/output/ChartGuide.h"

namespace faktorlupe::vergleich {

QString heardGrowth(const std::vector<NumberFigures>& figures, std::size_t scan) {
    return QString::fromStdString(heardGrowthText(figures, scan));
}

} // namespace faktorlupe::vergleich
