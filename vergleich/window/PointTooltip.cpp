#include "vergleich/window/PointTooltip.h"

#include "vergleich/output/ChartAxis.h"
#include "vergleich/output/ReadableNumbers.h"

#include <QChart>
#include <QChartView>
#include <QLineF>
#include <QXYSeries>

namespace faktorlupe::vergleich {

QString pointTooltip(const QChartView& view, const std::vector<NumberFigures>& figures, Scale scale,
                     QPoint mouse) {
    constexpr double kReach = 10;
    QChart* chart = view.chart();
    double nearestDistance = kReach;
    const NumberFigures* nearest = nullptr;
    std::size_t scan = 0;
    for (QAbstractSeries* series : chart->series()) {
        const QVariant seriesScan = series->property("scan");
        if (!seriesScan.isValid())
            continue;
        const auto index = static_cast<std::size_t>(seriesScan.toInt());
        for (const NumberFigures& row : figures) {
            if (row.scans[index].seconds <= 0)
                continue;
            const QPointF value(axisPosition(row.zahl, scale),
                                axisPosition(row.scans[index].seconds, scale));
            const QPointF drawn =
                view.mapFromScene(chart->mapToScene(chart->mapToPosition(value, series)));
            const double distance = QLineF(drawn, mouse).length();
            if (distance < nearestDistance) {
                nearestDistance = distance;
                nearest = &row;
                scan = index;
            }
        }
    }
    if (nearest == nullptr)
        return {};
    const ScanFigures& figuresOfScan = nearest->scans[scan];
    QString text = QStringLiteral("Zahl: %1\nAlgorithmus: %2\nZeit: %3")
                       .arg(readableNumber(nearest->zahl), QString::fromUtf8(kScanNames[scan]),
                            readableSeconds(figuresOfScan.seconds));
    if (const MeasuredRange& range = nearest->ranges[scan]; range.fastest > 0)
        text += QStringLiteral(" (Messungen %1 auseinander%2)")
                    .arg(readablePercent(spreadOf(range)),
                         isNoisy(range) ? QStringLiteral(": unsicher") : QString());
    return text + QStringLiteral("\nKandidaten: %1")
                      .arg(readableNumber(static_cast<double>(figuresOfScan.candidates)));
}

} // namespace faktorlupe::vergleich
