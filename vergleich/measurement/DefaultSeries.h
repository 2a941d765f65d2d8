#pragma once

#include <cstdint>
#include <vector>

namespace faktorlupe::vergleich {

// The numbers measured when none are given: 30 primes spread evenly on a log scale from 10 to
// 2147483647, each the prime nearest to its point. Primes, because their scans write no
// divisors, so what is measured is the loop alone.
std::vector<std::int32_t> defaultSeries();

// A series for seeing cost double: the primes nearest to 100 million, 200 million, 400 million,
// 800 million and 1.6 billion. From 100 million on, "alle" and "Hälfte" take tenths of a second
// and more, long enough that the doubling of their time is not blurred by noise; the whole
// series takes about ten seconds on a current machine.
std::vector<std::int32_t> doublingSeries();

bool isPrime(std::int64_t n);

} // namespace faktorlupe::vergleich
