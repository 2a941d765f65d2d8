#pragma once

namespace faktorlupe {

// Seconds since local midnight by the wall clock, with fraction, in single precision like the
// classic BASIC Timer.
float secondsSinceMidnight();

} // namespace faktorlupe
