#include "vergleich/window/PointTooltip.h"

#include "vergleich/chart/ChartModel.h"

#include <QChart>
#include <QChartView>
#include <QLineF>
#include <QXYSeries>

namespace faktorlupe::vergleich {

QString pointTooltip(const QChartView& view, const std::vector<NumberFigures>& figures, Scale scale,
                     QPoint mouse) {
    constexpr double kReach = 10;
    QChart* chart = view.chart();
    const ChartModel model = chartModel(figures, scale);
    double nearestDistance = kReach;
    const ChartMark* nearest = nullptr;
    for (QAbstractSeries* series : chart->series()) {
        const QVariant seriesScan = series->property("scan");
        if (!seriesScan.isValid())
            continue;
        for (const ChartMark& point :
             model.scans[static_cast<std::size_t>(seriesScan.toInt())].points) {
            const QPointF drawn = view.mapFromScene(
                chart->mapToScene(chart->mapToPosition(QPointF(point.at.x, point.at.y), series)));
            const double distance = QLineF(drawn, mouse).length();
            if (distance < nearestDistance) {
                nearestDistance = distance;
                nearest = &point;
            }
        }
    }
    return nearest == nullptr ? QString() : QString::fromStdString(nearest->tooltip);
}

} // namespace faktorlupe::vergleich
