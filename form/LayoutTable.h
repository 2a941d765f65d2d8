#pragma once

#include <cstdint>

namespace faktorlupe {

// The main form's layout as fixed data, in the units it was designed in: positions and sizes in
// twips (1440 to the inch, 15 to a pixel at 96 dots per inch) from the top-left corner of the
// client area, colours as 0x00BBGGRR. Nothing is created, moved or resized at run time.

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
};

inline constexpr const char* kFormCaption = "Faktorlupe";
inline constexpr int kClientWidth = 13050;
inline constexpr int kClientHeight = 8835;
inline constexpr const char* kFormFontFamily = "MS Sans Serif";
inline constexpr double kFormFontPointSize = 9.75;
inline constexpr const char* kControlFontFamily = "Times New Roman";

inline constexpr std::uint32_t kPaleYellow = 0x0080FFFF;
inline constexpr std::uint32_t kPaleCyan = 0x00FFFF80;
inline constexpr std::uint32_t kNavy = 0x00800000;

// In tab order. Three rows, 2400 twips apart: button and time box on one line, the result box
// 600 twips lower across both columns, the row's "x" button at its right end.
inline constexpr ControlSpec kControls[] = {
    {"txtEingabe", ControlKind::SingleLineBox, "717313", 480, 720, 6015, 615, 24,
     TextAlignment::Centre, kPaleYellow},
    {"Label1", ControlKind::Label, "Eingabe", 480, 120, 6015, 495, 18},
    {"cmdAlle", ControlKind::Button, "Algorithmus >alle<", 480, 1680, 6015, 615, 18},
    {"cmdHalbe", ControlKind::Button, "Algorithmus >Hälfte<", 480, 4080, 6015, 615, 18},
    {"cmdWurzel", ControlKind::Button, "Algorithmus >Wurzel<", 480, 6480, 6015, 615, 18},
    {"txtAlle", ControlKind::MultiLineBox, "", 480, 2280, 12255, 1365, 18, TextAlignment::Left,
     kSystemColour, kNavy},
    {"txtZeitAlle", ControlKind::SingleLineBox, "", 6480, 1680, 6255, 615, 18, TextAlignment::Left,
     kPaleCyan},
    {"txtHalbe", ControlKind::MultiLineBox, "", 480, 4680, 12255, 1365, 18, TextAlignment::Left,
     kSystemColour, kNavy},
    {"txtWurzel", ControlKind::MultiLineBox, "", 480, 7080, 12255, 1365, 18, TextAlignment::Left,
     kSystemColour, kNavy},
    {"txtZeitHalbe", ControlKind::SingleLineBox, "", 6480, 4080, 6255, 615, 18, TextAlignment::Left,
     kPaleCyan},
    {"txtZeitWurzel", ControlKind::SingleLineBox, "", 6480, 6480, 6255, 615, 18,
     TextAlignment::Left, kPaleCyan},
    {"Command1", ControlKind::Button, "x", 12480, 1440, 255, 255, 0},
    {"Command2", ControlKind::Button, "x", 12480, 3840, 255, 255, 0},
    {"Label2", ControlKind::Label, "Sekunden", 6600, 840, 6015, 495, 18, TextAlignment::Centre},
    {"Command3", ControlKind::Button, "x", 12480, 6240, 255, 255, 0},
};

} // namespace faktorlupe
