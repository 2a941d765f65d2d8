#pragma once

#include "layout/LayoutTable.h"

#include <cstdint>

namespace faktorlupe {

// The colours a control is drawn in, 0x00BBGGRR or kSystemColour for the system's own.
struct ColourPair {
    std::uint32_t background = kSystemColour;
    std::uint32_t foreground = kSystemColour;
};

inline constexpr std::uint32_t kBlack = 0x00000000;
inline constexpr std::uint32_t kWhite = 0x00FFFFFF;

// The layout sets one colour of a box and leaves the other to the system, which under a dark
// theme puts white text on pale yellow. So the pair is completed the way the boxes were always
// drawn: black text where the layout sets a background, a white background behind a set text
// colour. Controls with neither keep the system's colours, light or dark.
constexpr ColourPair completedColours(const ControlSpec& control) {
    ColourPair pair{control.background, control.foreground};
    if (control.background != kSystemColour)
        pair.foreground = kBlack;
    if (control.foreground != kSystemColour) {
        pair.foreground = control.foreground;
        pair.background = kWhite;
    }
    return pair;
}

} // namespace faktorlupe
