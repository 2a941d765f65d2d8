#include "runtime/DurationText.h"

#include "runtime/SignificantDigits.h"

#include <cmath>

namespace faktorlupe {
namespace {

constexpr int kDigits = 3;

struct Unit {
    double from; // the smallest rounded duration written in this unit
    double size;
    const char* name;
};

constexpr Unit kUnits[] = {{0.1, 1, "s"}, {1e-3, 1e-3, "ms"}, {1e-6, 1e-6, "µs"}, {0, 1e-9, "ns"}};

} // namespace

std::string secondsWithUnit(double seconds, std::string_view decimalSeparator) {
    if (seconds == 0)
        return "0";
    const double rounded = roundToSignificantDigits(seconds, kDigits);
    for (const Unit& unit : kUnits)
        if (std::abs(rounded) >= unit.from)
            return significantDigitsText(rounded / unit.size, kDigits, decimalSeparator) +
                   "\u00A0" + unit.name;
    return "0";
}

} // namespace faktorlupe
