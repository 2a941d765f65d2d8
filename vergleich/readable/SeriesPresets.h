#pragma once

#include <cstdint>
#include <vector>

namespace faktorlupe::vergleich {

// The series a lesson can start from, as "Reihe wählen" offers them in the window and the page;
// choosing one starts a new series with its numbers.
struct SeriesPreset {
    const char* name;        // UTF-8
    const char* description; // what the numbers are, for the menu's tooltip
    std::vector<std::int32_t> (*numbers)();
};

const std::vector<SeriesPreset>& seriesPresets();

} // namespace faktorlupe::vergleich
