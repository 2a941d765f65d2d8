#pragma once

#include "scans/Box.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace faktorlupe {

// The main form's layout as fixed data, in the units it was designed in: positions and sizes in
// twips (1440 to the inch, 15 to a pixel at 96 dots per inch) from the top-left corner of the
// client area, colours as 0x00BBGGRR. Each row also carries what belongs to its control beyond
// the look: what a screen reader calls it, the box a scan knows it as, the control a label names.
// The window scales the whole layout by one factor; at factor 1 it is exactly this table.

enum class ControlKind { SingleLineBox, MultiLineBox, Button, Label };
enum class TextAlignment { Left, Centre };

inline constexpr std::uint32_t kSystemColour = 0xFFFFFFFF;
inline constexpr int kTwipsPerPixel = 15;

struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* text;
    int left;
    int top;
    int width;
    int height;
    double pointSize; // 0 for the form's own font
    TextAlignment alignment = TextAlignment::Left;
    std::uint32_t background = kSystemColour;
    std::uint32_t foreground = kSystemColour;
    // What a screen reader says, where the caption does not say it already; else nullptr.
    const char* accessibleName = nullptr;
    // The box the scans know this control as.
    std::optional<Box> box = std::nullopt;
    // The control a label names, whose focus it gives when its mnemonic is used.
    const char* buddy = nullptr;
};

inline constexpr const char* kFormCaption = "Faktorlupe";
inline constexpr int kClientWidth = 13050;
inline constexpr int kClientHeight = 8835;
inline constexpr const char* kFormFontFamily = "MS Sans Serif";
inline constexpr double kFormFontPointSize = 9.75;
inline constexpr const char* kControlFontFamily = "Times New Roman";
// The form grows and shrinks with its window by one factor, never below this one: smaller, its
// texts are too small to read.
inline constexpr double kSmallestFactor = 0.6;

inline constexpr std::uint32_t kPaleYellow = 0x0080FFFF;
inline constexpr std::uint32_t kPaleCyan = 0x00FFFF80;
inline constexpr std::uint32_t kNavy = 0x00800000;

// In tab order. Three rows, 2400 twips apart: button and time box on one line, the result box
// 600 twips lower across both columns, the row's "x" button at its right end.
// clang-format off
inline constexpr ControlSpec kControls[] = {
    {.name = "txtEingabe", .kind = ControlKind::SingleLineBox, .text = "717313",
     .left = 480, .top = 720, .width = 6015, .height = 615, .pointSize = 24,
     .alignment = TextAlignment::Centre, .background = kPaleYellow,
     .accessibleName = "Eingabe: die zu untersuchende Zahl", .box = Box::txtEingabe},
    {.name = "Label1", .kind = ControlKind::Label, .text = "Eingabe",
     .left = 480, .top = 120, .width = 6015, .height = 495, .pointSize = 18,
     .buddy = "txtEingabe"},
    {.name = "cmdAlle", .kind = ControlKind::Button, .text = "Algorithmus >alle<",
     .left = 480, .top = 1680, .width = 6015, .height = 615, .pointSize = 18,
     .accessibleName = "Algorithmus alle"},
    {.name = "cmdHalbe", .kind = ControlKind::Button, .text = "Algorithmus >Hälfte<",
     .left = 480, .top = 4080, .width = 6015, .height = 615, .pointSize = 18,
     .accessibleName = "Algorithmus Hälfte"},
    {.name = "cmdWurzel", .kind = ControlKind::Button, .text = "Algorithmus >Wurzel<",
     .left = 480, .top = 6480, .width = 6015, .height = 615, .pointSize = 18,
     .accessibleName = "Algorithmus Wurzel"},
    {.name = "txtAlle", .kind = ControlKind::MultiLineBox, .text = "",
     .left = 480, .top = 2280, .width = 12255, .height = 1365, .pointSize = 18,
     .foreground = kNavy,
     .accessibleName = "Teiler nach Algorithmus alle", .box = Box::txtAlle},
    {.name = "txtZeitAlle", .kind = ControlKind::SingleLineBox, .text = "",
     .left = 6480, .top = 1680, .width = 6255, .height = 615, .pointSize = 18,
     .background = kPaleCyan,
     .accessibleName = "Sekunden für Algorithmus alle", .box = Box::txtZeitAlle},
    {.name = "txtHalbe", .kind = ControlKind::MultiLineBox, .text = "",
     .left = 480, .top = 4680, .width = 12255, .height = 1365, .pointSize = 18,
     .foreground = kNavy,
     .accessibleName = "Teiler nach Algorithmus Hälfte", .box = Box::txtHalbe},
    {.name = "txtWurzel", .kind = ControlKind::MultiLineBox, .text = "",
     .left = 480, .top = 7080, .width = 12255, .height = 1365, .pointSize = 18,
     .foreground = kNavy,
     .accessibleName = "Teiler nach Algorithmus Wurzel", .box = Box::txtWurzel},
    {.name = "txtZeitHalbe", .kind = ControlKind::SingleLineBox, .text = "",
     .left = 6480, .top = 4080, .width = 6255, .height = 615, .pointSize = 18,
     .background = kPaleCyan,
     .accessibleName = "Sekunden für Algorithmus Hälfte", .box = Box::txtZeitHalbe},
    {.name = "txtZeitWurzel", .kind = ControlKind::SingleLineBox, .text = "",
     .left = 6480, .top = 6480, .width = 6255, .height = 615, .pointSize = 18,
     .background = kPaleCyan,
     .accessibleName = "Sekunden für Algorithmus Wurzel", .box = Box::txtZeitWurzel},
    {.name = "Command1", .kind = ControlKind::Button, .text = "x",
     .left = 12480, .top = 1440, .width = 255, .height = 255, .pointSize = 0,
     .accessibleName = "Zeile Algorithmus alle leeren"},
    {.name = "Command2", .kind = ControlKind::Button, .text = "x",
     .left = 12480, .top = 3840, .width = 255, .height = 255, .pointSize = 0,
     .accessibleName = "Zeile Algorithmus Hälfte leeren"},
    {.name = "Label2", .kind = ControlKind::Label, .text = "Sekunden",
     .left = 6600, .top = 840, .width = 6015, .height = 495, .pointSize = 18,
     .alignment = TextAlignment::Centre},
    {.name = "Command3", .kind = ControlKind::Button, .text = "x",
     .left = 12480, .top = 6240, .width = 255, .height = 255, .pointSize = 0,
     .accessibleName = "Zeile Algorithmus Wurzel leeren"},
};
// clang-format on

inline constexpr std::size_t kControlCount = std::size(kControls);

// The place of the control of that name in the table, or kControlCount when none has it.
constexpr std::size_t controlIndex(std::string_view name) {
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (name == kControls[i].name)
            return i;
    return kControlCount;
}

// A box's control carries the box's own name, so that the scans and the form mean one control.
constexpr bool boxesNamedAfterTheirControls() {
    for (const ControlSpec& control : kControls)
        if (control.box && boxName(*control.box) != std::string_view(control.name))
            return false;
    return true;
}
static_assert(boxesNamedAfterTheirControls());

} // namespace faktorlupe
