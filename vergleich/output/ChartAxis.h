#pragma once

#include "vergleich/chart/ChartModel.h"

class QCategoryAxis;

namespace faktorlupe::vergleich {

// An axis of the chart's model whose labels are the model's texts ("1 Mio.", "447 ns").
QCategoryAxis* readableAxis(const ChartAxisModel& model);

} // namespace faktorlupe::vergleich
