#include "web/ChartJson.h"

#include "web/JsonText.h"

namespace faktorlupe {
namespace {

using namespace vergleich;

std::string axisJson(const ChartAxisModel& axis) {
    const auto tickJson = [](const ChartTick& tick) {
        return JsonObject().number("at", tick.position).text("text", tick.text).json();
    };
    return JsonObject()
        .text("title", axis.title)
        .number("low", axis.low)
        .number("high", axis.high)
        .written("ticks", jsonArray(axis.ticks, tickJson))
        .json();
}

std::string markJson(const ChartMark& mark) {
    return JsonObject()
        .number("x", mark.at.x)
        .number("y", mark.at.y)
        .integer("zahl", mark.zahl)
        .number("seconds", mark.seconds)
        .text("tooltip", mark.tooltip)
        .json();
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
    const auto pointJson = [](const ChartPoint& point) {
        return jsonArray({jsonNumber(point.x), jsonNumber(point.y)});
    };
    return JsonObject()
        .text("name", scan.name)
        .text("guideName", scan.guideName)
        .text("colour", scan.colour)
        .text("marker", markerName(scan.marker))
        .text("dashes", dashesName(scan.guideDashes))
        .written("points", jsonArray(scan.points, markJson))
        .written("guide", jsonArray(scan.guide, pointJson))
        .json();
}

} // namespace

std::string chartJson(const ChartModel& model, const std::string& summary) {
    return JsonObject()
        .text("title", model.title)
        .text("summary", summary)
        .written("x", axisJson(model.x))
        .written("y", axisJson(model.y))
        .written("scans", jsonArray(model.scans, scanJson))
        .json();
}

} // namespace faktorlupe
