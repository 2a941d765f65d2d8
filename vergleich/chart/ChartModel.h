#pragma once

#include "vergleich/chart/ChartAxis.h"
#include "vergleich/chart/ChartGuide.h"
#include "vergleich/measurement/NumberFigures.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace faktorlupe::vergleich {

// What the chart shows, worked out once for the window's chart and the page's: the seconds of
// the three scans against the number, each with its guide line (ChartGuide.h), axes that end
// just past the figures and are labelled with numbers and times as people read them ("1 Mio.",
// "447 ns"), and a legend that names them for pupils. The scans are told apart without colour
// too: their points are circles, squares and triangles, their guide lines dashed, dash-dotted
// and dotted, so that the chart reads on a black-and-white worksheet. It only says what to draw;
// drawing it, in pixels and fonts, is the window's and the page's. All texts are UTF-8.

enum class Marker { Circle, Square, Triangle };
enum class Dashes { Dashed, DashDotted, Dotted };

struct ChartTick {
    double position = 0; // in axis positions
    std::string text;    // "100 Mio.", "10 µs"
};

struct ChartAxisModel {
    std::string title;
    double low = 0; // the axis's ends, in axis positions
    double high = 1;
    std::vector<ChartTick> ticks;
};

// A measured point: where it stands, the figures it stands for and what its tooltip says.
struct ChartMark {
    ChartPoint at;
    std::int32_t zahl = 0;
    double seconds = 0;
    std::string tooltip;
};

struct ChartScan {
    std::string name;      // "Algorithmus >alle<"
    std::string guideName; // "linear (n)"
    std::string colour;    // "#rrggbb"
    Marker marker = Marker::Circle;
    Dashes guideDashes = Dashes::Dashed;
    std::vector<ChartMark> points; // from the smallest number to the largest
    std::vector<ChartPoint> guide; // clipped to the plot area
};

struct ChartModel {
    std::string title;
    ChartAxisModel x;
    ChartAxisModel y;
    std::array<ChartScan, kScanCount> scans;
};

// The chart of the figures, in whatever order they were measured, in the scale.
ChartModel chartModel(const std::vector<NumberFigures>& figures, Scale scale);

// The figures of a measured point, as its tooltip gives them: the number, the scan, its time
// with the spread of its measurements, its candidates, one a line:
// "Zahl: 1 Mio.\nAlgorithmus: alle\nZeit: 3,1 ms (Messungen 4 % auseinander)\nKandidaten: 1 Mio."
std::string pointTooltipText(const NumberFigures& figures, std::size_t scan);

} // namespace faktorlupe::vergleich
