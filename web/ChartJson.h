#pragma once

#include "vergleich/chart/ChartModel.h"

#include <string>

namespace faktorlupe {

// The chart's model as JSON for the page's drawing (chart.js): its title, the summary, both
// axes with their ticks' texts, and for each scan its names, colour, marker ("circle",
// "square", "triangle"), guide dashes ("dashed", "dashDotted", "dotted"), points and guide.
std::string chartJson(const vergleich::ChartModel& model, const std::string& summary);

} // namespace faktorlupe
