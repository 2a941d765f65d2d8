#pragma once

#include <cstdint>

namespace faktorlupe {

// What one scan found and what it cost, finer than its time box can show: the candidates its
// loop tested, the divisors in its final list ("1 - 71 - 10103 - 717313" holds four), and the
// seconds of exactly the span its stopwatch measures, taken by a monotonic clock.
struct ScanFigures final {
    std::int64_t candidates = 0;
    std::int64_t divisors = 0;
    double seconds = 0;
};

} // namespace faktorlupe
