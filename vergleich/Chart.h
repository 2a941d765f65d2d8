#pragma once

#include "NumberFigures.h"

#include <QSize>
#include <QString>
#include <vector>

namespace faktorlupe::vergleich {

// The size of the chart in pixels (PNG) or user units (SVG).
inline constexpr QSize kChartSize(1200, 800);

// Draws the measured seconds of the three scans against the number, both axes logarithmic,
// with a dashed line proportional to n, n/2 and the square root of n fitted through each scan's
// points, and writes it as PNG or SVG by the file's extension. Needs a QApplication; it draws off
// screen. Returns an empty text on success, else a German sentence saying what went wrong.
QString writeChart(const QString& path, const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
