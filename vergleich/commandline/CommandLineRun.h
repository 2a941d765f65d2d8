#pragma once

#include "vergleich/commandline/Arguments.h"

#include <cstdint>
#include <vector>

namespace faktorlupe::vergleich {

// The run without a window: measures the numbers with a progress bar on standard error, then
// writes the table to standard output and the CSV files and the chart the arguments ask
// for. Needs no display. Returns the program's exit status.
int measureAndWrite(int& argc, char* argv[], const Arguments& arguments,
                    const std::vector<std::int32_t>& numbers);

} // namespace faktorlupe::vergleich
