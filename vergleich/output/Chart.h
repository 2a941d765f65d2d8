#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <QSize>
#include <QString>
#include <vector>

class QChart;

namespace faktorlupe::vergleich {

// The size of the chart in pixels (PNG) or user units (SVG).
inline constexpr QSize kChartSize(1200, 800);

// Logarithmic axes show the growth over many orders of magnitude; linear ones show the factor 2
// between "alle" and "Hälfte" directly.
enum class Scale { Logarithmic, Linear };

// The seconds of the three scans against the number, each with a dashed line that grows like n,
// n/2 or the square root of n, fitted through the scan's points, and a legend that tells the
// two apart. The axes are labelled with numbers and times as people read them ("1 Mio.",
// "447 ns"). The caller owns the chart.
QChart* buildChart(const std::vector<NumberFigures>& figures, Scale scale);

// Where a number lies on the chart's horizontal axis.
double chartPosition(double zahl, Scale scale);

// Draws the chart off screen and writes it as PNG or SVG by the file's extension. Needs a
// QApplication. Returns an empty text on success, else a German sentence saying what went wrong.
QString writeChart(const QString& path, const std::vector<NumberFigures>& figures,
                   Scale scale = Scale::Logarithmic);

} // namespace faktorlupe::vergleich
