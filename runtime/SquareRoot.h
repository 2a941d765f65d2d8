#pragma once

namespace faktorlupe {

// The square root; a negative argument raises the invalid-argument error instead of giving NaN.
double squareRoot(double value);

} // namespace faktorlupe
