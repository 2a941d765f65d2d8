#pragma once

#include "vergleich/chart/ChartAxis.h"
#include "vergleich/measurement/NumberFigures.h"
#include "vergleich/measurement/Problem.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

class QChart;

namespace faktorlupe::vergleich {

// The size of the chart in pixels (PNG) or user units (SVG).
inline constexpr QSize kChartSize(1200, 800);

// The chart's model (vergleich/chart/ChartModel.h) drawn with Qt Charts. Each scan's measured
// series carries the property "scan", its guide line "guide", with the scan's index. The caller
// owns the chart. Its texts, lines and points are drawn at textScale times their designed size
// (see scaleChartText).
QChart* buildChart(const std::vector<NumberFigures>& figures, Scale scale, double textScale = 1);

// Sets the chart's texts (title, axes, legend) to the given multiple of their designed size, so
// that a chart on a projector can be read from the back of the room.
void scaleChartText(QChart& chart, double factor);

enum class ChartFormat { Png, Svg };

// The format a file's ending asks for: .png or .svg, in any case; none for other endings.
std::optional<ChartFormat> chartFormatOf(const QString& path);

// The chart drawn off screen, as the content of a PNG or SVG file. Needs a QApplication.
QByteArray drawChart(const std::vector<NumberFigures>& figures, Scale scale, ChartFormat format);

// Draws the chart and writes it whole (see FileWriting.h).
Problem<QString> writeChart(const QString& path, ChartFormat format,
                            const std::vector<NumberFigures>& figures, Scale scale);

} // namespace faktorlupe::vergleich
