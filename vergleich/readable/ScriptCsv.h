#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <string>
#include <vector>

namespace faktorlupe::vergleich {

// The figures as CSV for scripts, one line a number in the order measured under the header
// zahl,teiler,kandidaten_alle,sekunden_alle,kandidaten_haelfte,sekunden_haelfte,
// kandidaten_wurzel,sekunden_wurzel; seconds with "." and every digit needed to read them back.
std::string csvText(const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
