#include "Chart.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QLegend>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <functional>

namespace faktorlupe::vergleich {
namespace {

// In the order of kScanNames.
struct Curve {
    const char* reference;
    QColor colour;
    std::function<double(double)> growth; // what the scan's cost should be proportional to
};

const Curve kCurves[kScanCount] = {
    {"∝ n", QColor(0xC0, 0x39, 0x2B), [](double n) { return n; }},
    {"∝ n/2", QColor(0x1F, 0x6F, 0xB4), [](double n) { return n / 2; }},
    {"∝ √n", QColor(0x2C, 0x8C, 0x3C), [](double n) { return std::sqrt(n); }},
};

// Below this many candidates a scan's cost is mostly the fixed cost of a run (reading the input,
// the stopwatch, the texts), not its loop; those points are drawn but do not steer the fit.
constexpr std::int64_t kCandidatesForFit = 1000;

// The factor c of seconds = c * growth(n), fitted in log space: the mean of log(seconds / growth).
double fitFactor(const std::vector<NumberFigures>& figures, std::size_t scan, const Curve& curve) {
    double sum = 0;
    int count = 0;
    for (bool all : {false, true}) {
        for (const NumberFigures& row : figures) {
            const ScanFigures& s = row.scans[scan];
            if (s.seconds > 0 && (all || s.candidates >= kCandidatesForFit)) {
                sum += std::log(s.seconds / curve.growth(row.zahl));
                ++count;
            }
        }
        if (count > 0)
            break;
    }
    return count > 0 ? std::exp(sum / count) : 0;
}

QLogValueAxis* logAxis(const QString& title, double low, double high) {
    auto* axis = new QLogValueAxis;
    axis->setBase(10);
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%.0e"));
    axis->setMinorTickCount(0);
    axis->setRange(std::pow(10, std::floor(std::log10(low))),
                   std::pow(10, std::ceil(std::log10(high))));
    return axis;
}

QChart* buildChart(const std::vector<NumberFigures>& figures) {
    // The lines join the points from the smallest number to the largest, in whatever order the
    // numbers were given.
    std::vector<NumberFigures> sorted = figures;
    std::sort(sorted.begin(), sorted.end(),
              [](const NumberFigures& a, const NumberFigures& b) { return a.zahl < b.zahl; });
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Faktorlupe: Laufzeit der drei Algorithmen nach der Zahl"));
    QFont titleFont = chart->titleFont();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    chart->setTitleFont(titleFont);
    chart->legend()->setAlignment(Qt::AlignBottom);

    double lowN = 1e300, highN = 0, lowT = 1e300, highT = 0;
    for (const NumberFigures& row : figures) {
        lowN = std::min<double>(lowN, row.zahl);
        highN = std::max<double>(highN, row.zahl);
        for (const ScanFigures& s : row.scans) {
            if (s.seconds > 0) {
                lowT = std::min(lowT, s.seconds);
                highT = std::max(highT, s.seconds);
            }
        }
    }
    if (lowN == highN)
        highN = lowN * 10;
    if (lowT >= highT)
        highT = lowT * 10;
    QLogValueAxis* x = logAxis(QStringLiteral("Zahl n"), lowN, highN);
    QLogValueAxis* y = logAxis(QStringLiteral("Sekunden je Lauf (Median)"), lowT, highT);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    for (std::size_t scan = 0; scan < kScanCount; ++scan) {
        const Curve& curve = kCurves[scan];
        auto* measured = new QLineSeries;
        measured->setName(
            QStringLiteral("Algorithmus >%1<").arg(QString::fromUtf8(kScanNames[scan])));
        measured->setPen(QPen(curve.colour, 2));
        measured->setPointsVisible(true);
        measured->setMarkerSize(7);
        for (const NumberFigures& row : sorted)
            if (row.scans[scan].seconds > 0)
                measured->append(row.zahl, row.scans[scan].seconds);

        auto* reference = new QLineSeries;
        reference->setName(QString::fromUtf8(curve.reference));
        reference->setPen(QPen(curve.colour, 1, Qt::DashLine));
        const double factor = fitFactor(figures, scan, curve);
        constexpr int kSteps = 48;
        for (int i = 0; i <= kSteps; ++i) {
            const double n = lowN * std::pow(highN / lowN, static_cast<double>(i) / kSteps);
            reference->append(n, factor * curve.growth(n));
        }
        for (QLineSeries* series : {measured, reference}) {
            chart->addSeries(series);
            series->attachAxis(x);
            series->attachAxis(y);
        }
    }
    return chart;
}

} // namespace

QString writeChart(const QString& path, const std::vector<NumberFigures>& figures) {
    QChartView view(buildChart(figures));
    view.setRenderHint(QPainter::Antialiasing);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(kChartSize);
    view.show();
    QApplication::processEvents();

    bool written = false;
    if (QFileInfo(path).suffix().toLower() == QLatin1String("svg")) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(kChartSize);
        generator.setViewBox(QRect(QPoint(0, 0), kChartSize));
        generator.setTitle(QStringLiteral("Faktorlupe: Laufzeit der drei Algorithmen"));
        QPainter painter;
        written = painter.begin(&generator);
        if (written) {
            view.render(&painter);
            written = painter.end();
        }
    } else {
        written = view.grab().save(path, "PNG");
    }
    return written ? QString()
                   : QStringLiteral("Das Diagramm %1 konnte nicht geschrieben werden.").arg(path);
}

} // namespace faktorlupe::vergleich
