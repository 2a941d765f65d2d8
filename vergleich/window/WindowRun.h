#pragma once

#include <cstdint>
#include <vector>

namespace faktorlupe::vergleich {

// The run with a window: opens "Faktorlupe – Laufzeitvergleich", measures the numbers in it and
// returns the program's exit status when the window is closed.
int runComparisonWindow(int& argc, char* argv[], const std::vector<std::int32_t>& numbers);

} // namespace faktorlupe::vergleich
