#include "vergleich/output/ChartAxis.h"

#include <QCategoryAxis>

namespace faktorlupe::vergleich {

QCategoryAxis* readableAxis(const ChartAxisModel& model) {
    auto* axis = new QCategoryAxis;
    axis->setTitleText(QString::fromStdString(model.title));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // Each label stands at the end of a category; a sliver before the first tick carries its own.
    if (!model.ticks.empty())
        axis->setStartValue(model.ticks.front().position - 1e-9);
    for (const ChartTick& tick : model.ticks)
        axis->append(QString::fromStdString(tick.text), tick.position);
    axis->setRange(model.low, model.high);
    return axis;
}

} // namespace faktorlupe::vergleich
