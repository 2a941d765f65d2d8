#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace faktorlupe::vergleich {

// The series a lesson can start from, as "Reihe wählen" offers them; choosing one starts a new
// series with its numbers.
struct Preset {
    QString name;
    QString description; // what the numbers are, for the menu's tooltip
    std::vector<std::int32_t> (*numbers)();
};

const std::vector<Preset>& presets();

} // namespace faktorlupe::vergleich
