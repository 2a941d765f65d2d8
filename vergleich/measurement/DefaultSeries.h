#pragma once

#include <cstdint>
#include <vector>

namespace faktorlupe::vergleich {

// The numbers measured when none are given: 30 primes spread evenly on a log scale from 10 to
// 2147483647, each the prime nearest to its point. Primes, because their scans write no
// divisors, so what is measured is the loop alone.
std::vector<std::int32_t> defaultSeries();

bool isPrime(std::int64_t n);

} // namespace faktorlupe::vergleich
