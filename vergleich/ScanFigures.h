#pragma once

#include <array>
#include <cstdint>

namespace faktorlupe::vergleich {

// What one scan of one number cost: the candidates its loop tested, counted by the scan's own loop
// counter, and the median seconds of one run.
struct ScanFigures {
    std::int64_t candidates = 0;
    double seconds = 0;
};

// The three scans in the window's order: alle, Hälfte, Wurzel.
inline constexpr std::size_t kScanCount = 3;
inline constexpr std::array<const char*, kScanCount> kScanNames = {"alle", "Hälfte", "Wurzel"};

struct NumberFigures {
    std::int32_t zahl = 0;
    // The divisors in the list, counted in the text the scans wrote.
    std::int64_t divisors = 0;
    std::array<ScanFigures, kScanCount> scans;
};

} // namespace faktorlupe::vergleich
