// Writes the main form's layout table, and the rows the page binds to it, as a script for the
// page: the page draws its form from the very table the window is built from.
#include "layout/ColourPair.h"
#include "layout/LayoutTable.h"
#include "runtime/RuntimeError.h"
#include "scans/ScanTable.h"
#include "web/JsonText.h"
#include "web/PageReports.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

using namespace faktorlupe;

const char* kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::SingleLineBox:
        return "SingleLineBox";
    case ControlKind::MultiLineBox:
        return "MultiLineBox";
    case ControlKind::Button:
        return "Button";
    case ControlKind::Label:
        return "Label";
    }
    return "";
}

// A colour as CSS writes it, from 0x00BBGGRR; null for the system's colour.
std::string cssColour(std::uint32_t bgr) {
    if (bgr == kSystemColour)
        return "null";
    char css[16];
    std::snprintf(css, sizeof css, "\"#%02x%02x%02x\"", bgr & 0xFF, (bgr >> 8) & 0xFF,
                  (bgr >> 16) & 0xFF);
    return css;
}

std::string control(const ControlSpec& c) {
    return JsonObject()
        .text("name", c.name)
        .text("kind", kindName(c.kind))
        .text("text", c.text)
        .integer("left", c.left)
        .integer("top", c.top)
        .integer("width", c.width)
        .integer("height", c.height)
        .number("pointSize", c.pointSize)
        .boolean("centred", c.alignment == TextAlignment::Centre)
        .written("background", cssColour(completedColours(c).background))
        .written("foreground", cssColour(completedColours(c).foreground))
        .textOrNull("accessibleName", c.accessibleName)
        .textOrNull("buddy", c.buddy)
        .json();
}

std::string row(const ScanRow& r) {
    return JsonObject()
        .text("scan", r.scanButton)
        .text("clear", r.clearButton)
        .text("result", boxName(r.result))
        .text("time", boxName(r.time))
        .json();
}

} // namespace

int main() {
    // One control or row a line, for whoever reads the written script.
    const std::string layout =
        JsonObject()
            .text("caption", kFormCaption)
            .integer("clientWidth", kClientWidth)
            .integer("clientHeight", kClientHeight)
            .integer("twipsPerPixel", kTwipsPerPixel)
            .text("formFont", kFormFontFamily)
            .number("formPointSize", kFormFontPointSize)
            .text("controlFont", kControlFontFamily)
            .number("smallestFactor", kSmallestFactor)
            // For an error in the page's own code, which may come before its engine has loaded.
            .text("unexpectedReport",
                  reportText(RuntimeError(ErrorNumber::InternalError, kUnexpectedOnPage)))
            .written("controls", jsonArray(kControls, control, ",\n"))
            .written("boxes", jsonArray(kBoxNames, jsonQuoted))
            .written("rows", jsonArray(kScanRows, row, ",\n"))
            .json();
    std::printf("// Written at build time from the layout table; do not edit.\n"
                "\"use strict\";\nconst faktorlupeLayout = %s;\n",
                layout.c_str());
    return 0;
}
