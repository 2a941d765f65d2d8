#pragma once

#include <string>
#include <string_view>

namespace faktorlupe {

// A duration to three significant digits in the unit that suits it, with the given decimal
// separator and a no-break space before the unit: "447 ns", "12,5 µs", "3,1 ms", "0,62 s",
// "2 s"; none at all is "0". Seconds from a tenth on, as a stopwatch shows them. The unit is
// chosen after rounding, so 0.00099996 s reads "1 ms", not "1000 µs".
std::string secondsWithUnit(double seconds, std::string_view decimalSeparator);

} // namespace faktorlupe
