#pragma once

#include <cstdint>

namespace faktorlupe {

// Rounds to the nearest 32-bit integer, exact halves to the even neighbour: 2.5 gives 2 and 3.5
// gives 4. A result outside -2147483648..2147483647 (or NaN) raises the overflow error.
std::int32_t roundToInt32(double value);

} // namespace faktorlupe
