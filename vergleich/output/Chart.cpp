#include "vergleich/output/Chart.h"

#include "vergleich/output/FileWriting.h"
#include "vergleich/output/ReadableNumbers.h"

#include <QApplication>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QLegend>
#include <QLineSeries>
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
    const char* growsLike;
    QColor colour;
    std::function<double(double)> growth; // what the scan's cost should be proportional to
};

const Curve kCurves[kScanCount] = {
    {"wächst wie n", QColor(0xC0, 0x39, 0x2B), [](double n) { return n; }},
    {"wächst wie n/2", QColor(0x1F, 0x6F, 0xB4), [](double n) { return n / 2; }},
    {"wächst wie √n", QColor(0x2C, 0x8C, 0x3C), [](double n) { return std::sqrt(n); }},
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

double position(double value, Scale scale) {
    return scale == Scale::Logarithmic ? std::log10(value) : value;
}

// 1, 2 or 5 times a power of ten: the step that divides the range into about five parts.
double niceStep(double range) {
    const double raw = range / 5;
    const double power = std::pow(10, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw)
            return factor * power;
    return 10 * power;
}

// An axis whose labels are texts of our own: one per power of ten on a logarithmic scale, one
// per nice step from 0 on a linear one.
QCategoryAxis* readableAxis(const QString& title, double low, double high, Scale scale,
                            const std::function<QString(double)>& label) {
    auto* axis = new QCategoryAxis;
    axis->setTitleText(title);
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    std::vector<double> ticks;
    if (scale == Scale::Logarithmic) {
        for (double decade = std::floor(std::log10(low)); decade <= std::ceil(std::log10(high));
             ++decade)
            ticks.push_back(std::pow(10, decade));
    } else {
        const double step = niceStep(high);
        for (int i = 0; i * step < high + step; ++i)
            ticks.push_back(i * step);
    }
    // Each label stands at the end of a category; a sliver before the first tick carries its own.
    axis->setStartValue(position(ticks.front(), scale) - 1e-9);
    for (double tick : ticks)
        axis->append(label(tick), position(tick, scale));
    axis->setRange(position(ticks.front(), scale), position(ticks.back(), scale));
    return axis;
}

} // namespace

double chartPosition(double zahl, Scale scale) {
    return position(zahl, scale);
}

QChart* buildChart(const std::vector<NumberFigures>& figures, Scale scale) {
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
    // Each entry drawn like its line: the reference lines as dashed ones.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    double lowN = 10, highN = 100, lowT = 1e-7, highT = 1e-6;
    if (!sorted.empty()) {
        lowN = sorted.front().zahl;
        highN = std::max<double>(sorted.back().zahl, lowN * 10);
        lowT = 1e300;
        highT = 0;
        for (const NumberFigures& row : sorted)
            for (const ScanFigures& s : row.scans)
                if (s.seconds > 0) {
                    lowT = std::min(lowT, s.seconds);
                    highT = std::max(highT, s.seconds);
                }
        if (highT <= 0)
            lowT = 1e-7, highT = 1e-6;
        if (lowT >= highT)
            highT = lowT * 10;
    }
    QCategoryAxis* x = readableAxis(QStringLiteral("Zahl n"), lowN, highN, scale, readableNumber);
    QCategoryAxis* y =
        readableAxis(QStringLiteral("Zeit je Lauf (Median)"), lowT, highT, scale, readableSeconds);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    for (std::size_t scan = 0; scan < kScanCount; ++scan) {
        const Curve& curve = kCurves[scan];
        auto* measured = new QLineSeries;
        // The legend reads its text as markup; the program's own texts must appear as they stand.
        measured->setName(QStringLiteral("Algorithmus >%1<")
                              .arg(QString::fromUtf8(kScanNames[scan]))
                              .toHtmlEscaped());
        measured->setPen(QPen(curve.colour, 2));
        measured->setPointsVisible(true);
        measured->setMarkerSize(7);
        measured->setProperty("scan", static_cast<int>(scan));
        for (const NumberFigures& row : sorted)
            if (row.scans[scan].seconds > 0)
                measured->append(position(row.zahl, scale),
                                 position(row.scans[scan].seconds, scale));

        auto* reference = new QLineSeries;
        reference->setName(QString::fromUtf8(curve.growsLike).toHtmlEscaped());
        reference->setPen(QPen(curve.colour, 1.5, Qt::DashLine));
        const double factor = fitFactor(sorted, scan, curve);
        constexpr int kSteps = 48;
        for (int i = 0; factor > 0 && i <= kSteps; ++i) {
            const double t = static_cast<double>(i) / kSteps;
            const double n = scale == Scale::Logarithmic ? lowN * std::pow(highN / lowN, t)
                                                         : lowN + (highN - lowN) * t;
            reference->append(position(n, scale), position(factor * curve.growth(n), scale));
        }
        for (QLineSeries* series : {measured, reference}) {
            chart->addSeries(series);
            series->attachAxis(x);
            series->attachAxis(y);
        }
    }
    return chart;
}

std::optional<ChartFormat> chartFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return ChartFormat::Png;
    if (suffix == QLatin1String("svg"))
        return ChartFormat::Svg;
    return std::nullopt;
}

QByteArray drawChart(const std::vector<NumberFigures>& figures, Scale scale, ChartFormat format) {
    QChartView view(buildChart(figures, scale));
    view.setRenderHint(QPainter::Antialiasing);
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(kChartSize);
    view.show();
    QApplication::processEvents();

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (format == ChartFormat::Svg) {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(kChartSize);
        generator.setViewBox(QRect(QPoint(0, 0), kChartSize));
        generator.setTitle(QStringLiteral("Faktorlupe: Laufzeit der drei Algorithmen"));
        QPainter painter(&generator);
        view.render(&painter);
    } else {
        view.grab().save(&buffer, "PNG");
    }
    return buffer.data();
}

QString writeChart(const QString& path, ChartFormat format,
                   const std::vector<NumberFigures>& figures, Scale scale) {
    return writeWholeFile(path, drawChart(figures, scale, format));
}

} // namespace faktorlupe::vergleich
