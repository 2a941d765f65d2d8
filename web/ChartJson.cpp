#include "web/ChartJson.h"

#include "web/JsonText.h"

#include <cstdio>

namespace faktorlupe {
namespace {

using namespace vergleich;

// Doubles written so that JSON.parse gives back the same value.
std::string exact(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

std::string field(const char* name, const std::string& json) {
    return std::string("\"") + name + "\":" + json;
}

std::string axisJson(const ChartAxisModel& axis) {
    std::string ticks;
    for (const ChartTick& tick : axis.ticks)
        ticks += (ticks.empty() ? "" : ",") + std::string("{") + field("at", exact(tick.position)) +
                 "," + field("text", jsonQuoted(tick.text)) + "}";
    return "{" + field("title", jsonQuoted(axis.title)) + "," + field("low", exact(axis.low)) +
           "," + field("high", exact(axis.high)) + "," + field("ticks", "[" + ticks + "]") + "}";
}

std::string markJson(const ChartMark& mark) {
    return "{" + field("x", exact(mark.at.x)) + "," + field("y", exact(mark.at.y)) + "," +
           field("zahl", std::to_string(mark.zahl)) + "," + field("seconds", exact(mark.seconds)) +
           "," + field("tooltip", jsonQuoted(mark.tooltip)) + "}";
}

const char* markerName(Marker marker) {
    switch (marker) {
    case Marker::Circle:
        return "circle";
    case Marker::Square:
        return "square";
    case Marker::Triangle:
        return "triangle";
    }
    return "circle";
}

const char* dashesName(Dashes dashes) {
    switch (dashes) {
    case Dashes::Dashed:
        return "dashed";
    case Dashes::DashDotted:
        return "dashDotted";
    case Dashes::Dotted:
        return "dotted";
    }
    return "dashed";
}

std::string scanJson(const ChartScan& scan) {
    std::string points, guide;
    for (const ChartMark& mark : scan.points)
        points += (points.empty() ? "" : ",") + markJson(mark);
    for (const ChartPoint& point : scan.guide)
        guide += (guide.empty() ? "[" : ",[") + exact(point.x) + "," + exact(point.y) + "]";
    return "{" + field("name", jsonQuoted(scan.name)) + "," +
           field("guideName", jsonQuoted(scan.guideName)) + "," +
           field("colour", jsonQuoted(scan.colour)) + "," +
           field("marker", jsonQuoted(markerName(scan.marker))) + "," +
           field("dashes", jsonQuoted(dashesName(scan.guideDashes))) + "," +
           field("points", "[" + points + "]") + "," + field("guide", "[" + guide + "]") + "}";
}

} // namespace

std::string chartJson(const ChartModel& model, const std::string& summary) {
    std::string scans;
    for (const ChartScan& scan : model.scans)
        scans += (scans.empty() ? "" : ",") + scanJson(scan);
    return "{" + field("title", jsonQuoted(model.title)) + "," +
           field("summary", jsonQuoted(summary)) + "," + field("x", axisJson(model.x)) + "," +
           field("y", axisJson(model.y)) + "," + field("scans", "[" + scans + "]") + "}";
}

} // namespace faktorlupe
