#pragma once

#include <cmath>

namespace faktorlupe {

// The one divisor test of all three scans: k divides zahl when the double quotient equals the
// largest whole number not above it. Deliberately no remainder operation, so that every scan
// pays the same for every candidate and the rows' times stay comparable. For whole numbers below
// 2^31 it is exact: a non-divisor leaves a fraction of at least 1/k, far above the rounding error.
inline bool isDivisor(double zahl, double k) {
    return zahl / k == std::floor(zahl / k);
}

} // namespace faktorlupe
