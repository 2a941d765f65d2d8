#pragma once

#include "scans/ScanFigures.h"

#include <array>
#include <cstdint>

namespace faktorlupe::vergleich {

// The three scans in the window's order: alle, Hälfte, Wurzel.
inline constexpr std::size_t kScanCount = 3;
inline constexpr std::array<const char*, kScanCount> kScanNames = {"alle", "Hälfte", "Wurzel"};

// What the three scans of one number cost. Each scan's candidates and divisors are the ones the
// scan itself reports; its seconds are the median of one run as measured here.
struct NumberFigures {
    std::int32_t zahl = 0;
    std::int64_t divisors = 0;
    std::array<ScanFigures, kScanCount> scans;
};

} // namespace faktorlupe::vergleich
