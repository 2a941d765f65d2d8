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

std::string quoted(std::string_view text) {
    return jsonQuoted(text);
}

// A number as JSON writes it: 24 and 9.75, not 24.000000.
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string quotedOrNull(const char* text) {
    return text != nullptr ? quoted(text) : "null";
}

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
    return "{\"name\": " + quoted(c.name) + ", \"kind\": " + quoted(kindName(c.kind)) +
           ", \"text\": " + quoted(c.text) + ", \"left\": " + std::to_string(c.left) +
           ", \"top\": " + std::to_string(c.top) + ", \"width\": " + std::to_string(c.width) +
           ", \"height\": " + std::to_string(c.height) + ", \"pointSize\": " + number(c.pointSize) +
           ", \"centred\": " + (c.alignment == TextAlignment::Centre ? "true" : "false") +
           ", \"background\": " + cssColour(completedColours(c).background) +
           ", \"foreground\": " + cssColour(completedColours(c).foreground) +
           ", \"accessibleName\": " + quotedOrNull(c.accessibleName) +
           ", \"buddy\": " + quotedOrNull(c.buddy) + "}";
}

std::string row(const ScanRow& r) {
    return "{\"scan\": " + quoted(r.scanButton) + ", \"clear\": " + quoted(r.clearButton) +
           ", \"result\": " + quoted(boxName(r.result)) + ", \"time\": " + quoted(boxName(r.time)) +
           "}";
}

} // namespace

int main() {
    std::string js = "// Written at build time from the layout table; do not edit.\n"
                     "\"use strict\";\nconst faktorlupeLayout = {\n";
    js += "  \"caption\": " + quoted(kFormCaption) + ",\n";
    js += "  \"clientWidth\": " + std::to_string(kClientWidth) + ",\n";
    js += "  \"clientHeight\": " + std::to_string(kClientHeight) + ",\n";
    js += "  \"twipsPerPixel\": " + std::to_string(kTwipsPerPixel) + ",\n";
    js += "  \"formFont\": " + quoted(kFormFontFamily) + ",\n";
    js += "  \"formPointSize\": " + number(kFormFontPointSize) + ",\n";
    js += "  \"controlFont\": " + quoted(kControlFontFamily) + ",\n";
    js += "  \"smallestFactor\": " + number(kSmallestFactor) + ",\n";
    // For an error in the page's own code, which may come before its engine has loaded.
    js += "  \"unexpectedReport\": " +
          quoted(reportText(RuntimeError(ErrorNumber::InternalError, kUnexpectedOnPage))) + ",\n";
    js += "  \"controls\": [\n";
    for (std::size_t i = 0; i < kControlCount; ++i)
        js += "    " + control(kControls[i]) + (i + 1 < kControlCount ? ",\n" : "\n");
    js += "  ],\n  \"boxes\": [";
    for (std::size_t i = 0; i < kBoxCount; ++i)
        js += (i > 0 ? ", " : "") + quoted(kBoxNames[i]);
    js += "],\n  \"rows\": [\n";
    for (std::size_t i = 0; i < kScanCount; ++i)
        js += "    " + row(kScanRows[i]) + (i + 1 < kScanCount ? ",\n" : "\n");
    js += "  ]\n};\n";
    std::fputs(js.c_str(), stdout);
    return 0;
}
