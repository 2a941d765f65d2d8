#include "vergleich/output/Chart.h"

#include "vergleich/output/ChartAxis.h"
#include "vergleich/output/FileWriting.h"

#include <QApplication>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFileInfo>
#include <QImage>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSvgGenerator>

namespace faktorlupe::vergleich {
namespace {

struct Look {
    QColor colour;
    Marker marker;
    Qt::PenStyle guideDashes;
};

Qt::PenStyle penStyle(Dashes dashes) {
    switch (dashes) {
    case Dashes::Dashed:
        return Qt::DashLine;
    case Dashes::DashDotted:
        return Qt::DashDotLine;
    case Dashes::Dotted:
        return Qt::DotLine;
    }
    return Qt::SolidLine;
}

Look lookOf(const ChartScan& scan) {
    return {QColor(QString::fromStdString(scan.colour)), scan.marker, penStyle(scan.guideDashes)};
}

constexpr int kMarkerSize = 11;
constexpr double kMeasuredWidth = 2;
constexpr double kGuideWidth = 1.5;
constexpr double kTitleSize = 1.5;

// The point of a measured series: a filled shape with a dark rim, drawn by us because Qt draws
// every line series' points as circles. Drawn finer than shown, since Qt scales it to the
// marker's size, which grows with the texts.
QImage markerImage(const Look& look) {
    constexpr int kFiner = 4;
    constexpr double size = kMarkerSize * kFiner;
    QImage image(static_cast<int>(size), static_cast<int>(size),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look.colour.darker(160), 1.2 * kFiner));
    painter.setBrush(look.colour);
    const QRectF box(kFiner, kFiner, size - 2 * kFiner, size - 2 * kFiner);
    switch (look.marker) {
    case Marker::Circle:
        painter.drawEllipse(box);
        break;
    case Marker::Square:
        painter.drawRect(box.adjusted(kFiner / 2.0, kFiner / 2.0, -kFiner / 2.0, -kFiner / 2.0));
        break;
    case Marker::Triangle: {
        QPainterPath triangle;
        triangle.moveTo(box.center().x(), box.top());
        triangle.lineTo(box.bottomRight());
        triangle.lineTo(box.bottomLeft());
        triangle.closeSubpath();
        painter.drawPath(triangle);
        break;
    }
    }
    return image;
}

void addToChart(QChart& chart, QLineSeries* series, QCategoryAxis* x, QCategoryAxis* y) {
    chart.addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// The legend reads its texts as markup; the program's own texts must appear as they stand.
QString legendText(const QString& text) {
    return text.toHtmlEscaped();
}

QList<QPointF> qtPoints(const std::vector<ChartPoint>& points) {
    QList<QPointF> line;
    for (const ChartPoint& point : points)
        line.append(QPointF(point.x, point.y));
    return line;
}

} // namespace

QChart* buildChart(const std::vector<NumberFigures>& figures, Scale scale, double textScale) {
    const ChartModel model = chartModel(figures, scale);
    auto* chart = new QChart;
    chart->setTitle(QString::fromStdString(model.title));
    chart->legend()->setAlignment(Qt::AlignBottom);
    // Each entry drawn like its line: the guide lines with their dashes.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    QCategoryAxis* x = readableAxis(model.x);
    QCategoryAxis* y = readableAxis(model.y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    for (std::size_t scan = 0; scan < kScanCount; ++scan) {
        const ChartScan& lines = model.scans[scan];
        const Look look = lookOf(lines);
        auto* measured = new QLineSeries;
        measured->setName(legendText(QString::fromStdString(lines.name)));
        measured->setPen(QPen(look.colour, kMeasuredWidth));
        measured->setPointsVisible(true);
        measured->setLightMarker(markerImage(look));
        measured->setProperty("scan", static_cast<int>(scan));
        for (const ChartMark& point : lines.points)
            measured->append(point.at.x, point.at.y);

        auto* guide = new QLineSeries;
        guide->setName(legendText(QString::fromStdString(lines.guideName)));
        guide->setPen(QPen(look.colour, kGuideWidth, look.guideDashes));
        guide->setProperty("guide", static_cast<int>(scan));
        guide->append(qtPoints(lines.guide));
        addToChart(*chart, measured, x, y);
        addToChart(*chart, guide, x, y);
    }
    scaleChartText(*chart, textScale);
    return chart;
}

void scaleChartText(QChart& chart, double factor) {
    const double designed = QApplication::font().pointSizeF();
    QFont text = QApplication::font();
    text.setPointSizeF(designed * factor);
    QFont title = text;
    title.setPointSizeF(designed * factor * kTitleSize);
    title.setBold(true);
    chart.setTitleFont(title);
    chart.legend()->setFont(text);
    QFont axisTitle = text;
    axisTitle.setBold(true);
    for (QAbstractAxis* axis : chart.axes()) {
        axis->setLabelsFont(text);
        axis->setTitleFont(axisTitle);
    }
    // The lines and points grow with the texts, so that they too are seen from the back.
    for (QAbstractSeries* each : chart.series()) {
        auto* series = static_cast<QLineSeries*>(each);
        QPen pen = series->pen();
        const bool measured = series->property("scan").isValid();
        pen.setWidthF((measured ? kMeasuredWidth : kGuideWidth) * factor);
        series->setPen(pen);
        if (measured)
            series->setMarkerSize(kMarkerSize * factor);
    }
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

Problem<QString> writeChart(const QString& path, ChartFormat format,
                            const std::vector<NumberFigures>& figures, Scale scale) {
    return writeWholeFile(path, drawChart(figures, scale, format));
}

} // namespace faktorlupe::vergleich
