// Prints the main form's client area and the centre of each control a click reaches (all but
// the labels), in pixels at the designed size, a line each: "client 870 589", then
// "txtEingabe 232 68". The tests that click the real window read their positions from here, so
// that they follow the layout table.
#include "layout/LayoutTable.h"

#include <cstdio>

namespace {

int pixels(int twips) {
    return twips / faktorlupe::kTwipsPerPixel;
}

} // namespace

int main() {
    using namespace faktorlupe;
    std::printf("client %d %d\n", pixels(kClientWidth), pixels(kClientHeight));
    for (const ControlSpec& control : kControls)
        if (control.kind != ControlKind::Label)
            std::printf("%s %d %d\n", control.name, pixels(control.left + control.width / 2),
                        pixels(control.top + control.height / 2));
    return 0;
}
