#pragma once

#include "scans/DivisorTest.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace faktorlupe::bench {

#if defined(__x86_64__)

// The divisor test four candidates at a time over 2..last, written out with AVX2 intrinsics: the
// speed at which this processor evaluates the test, the yardstick of the scan loop. Returns the
// number of divisors, so that the work cannot be left out.
[[gnu::target("avx2")]] inline std::int64_t referenceFourWide(double zahl, std::int64_t last) {
    const __m256d dividend = _mm256_set1_pd(zahl);
    const __m256d four = _mm256_set1_pd(4);
    __m256d k = _mm256_setr_pd(2, 3, 4, 5);
    std::int64_t divisors = 0;
    std::int64_t first = 2;
    for (; first + 3 <= last; first += 4) {
        const __m256d q = _mm256_div_pd(dividend, k);
        const __m256d whole = _mm256_cmp_pd(q, _mm256_floor_pd(q), _CMP_EQ_OQ);
        divisors += __builtin_popcount(static_cast<unsigned>(_mm256_movemask_pd(whole)));
        k = _mm256_add_pd(k, four);
    }
    for (; first <= last; ++first)
        divisors += isDivisor(zahl, static_cast<double>(first));
    return divisors;
}
#else
// The reference is written for x86-64; elsewhere the benchmarks print their figures without it.
inline std::int64_t referenceFourWide(double, std::int64_t) {
    return 0;
}
#endif

// Whether this processor runs the four-wide reference: an x86-64 one with AVX2.
inline bool haveFourWideReference() {
#if defined(__x86_64__)
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

// The best of several runs, in seconds: on a shared machine the best run is the least disturbed.
template <typename Work> double bestSeconds(int runs, Work&& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

} // namespace faktorlupe::bench
