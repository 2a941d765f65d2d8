// Times the scans through the engine against reference loops built into this program, in one
// run on one machine, and prints each figure with its ratio. Figures are the best of several
// runs: the machines are shared, and the best run is the one least disturbed.
#include "scans/CandidateLoop.h"
#include "scans/DivisorBlock.h"
#include "scans/MemoryFormView.h"
#include "scans/Scans.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <immintrin.h>
#include <string>

namespace {

using namespace faktorlupe;

double bestSeconds(int runs, const std::function<void()>& work) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

// The divisor test four candidates at a time, written out with AVX2 intrinsics: the speed this
// processor can evaluate the test at, and so the yardstick of the scan loop.
[[gnu::target("avx2")]] std::int64_t referenceFourWide(double zahl, std::int64_t last) {
    const __m256d dividend = _mm256_set1_pd(zahl);
    const __m256d four = _mm256_set1_pd(4);
    __m256d k = _mm256_setr_pd(2, 3, 4, 5);
    std::int64_t divisors = 0;
    std::int64_t first = 2;
    for (; first + 3 <= last; first += 4) {
        const __m256d q = _mm256_div_pd(dividend, k);
        const __m256d whole = _mm256_cmp_pd(q, _mm256_floor_pd(q), _CMP_EQ_OQ);
        divisors += __builtin_popcount(_mm256_movemask_pd(whole));
        k = _mm256_add_pd(k, four);
    }
    for (; first <= last; ++first)
        divisors += isDivisor(zahl, static_cast<double>(first));
    return divisors;
}

std::string scanOnce(void (*scan)(ScanState&, FormView&, const Stopwatch&), std::int64_t n,
                     Box result) {
    ScanState state;
    MemoryFormView view;
    view.setText(Box::txtEingabe, std::to_string(n));
    scan(state, view, Stopwatch());
    return view.text(result);
}

void printRatio(const char* what, double seconds, const char* against, double reference,
                double target) {
    std::printf("%-48s %9.4f s   %-34s %9.4f s   ratio %.3f (target <= %.2f)\n", what, seconds,
                against, reference, seconds / reference, target);
}

} // namespace

int main() {
    constexpr std::int64_t kLargestPrime = 2147483647;
    constexpr std::int64_t kManyDivisors = 2095133040; // 1600 divisors
    std::int64_t sink = 0;

    if (!__builtin_cpu_supports("avx2")) {
        std::printf("This processor has no AVX2; the four-wide reference needs it.\n");
        return 1;
    }

    const double reference =
        bestSeconds(3, [&] { sink += referenceFourWide(kLargestPrime, kLargestPrime); });
    const double fullPrime =
        bestSeconds(3, [&] { sink += scanOnce(runFullScan, kLargestPrime, Box::txtAlle).size(); });
    printRatio("full scan of 2147483647 (engine)", fullPrime, "four-wide reference loop", reference,
               1.25);

    const double withoutWrites = bestSeconds(3, [&] {
        ScanState state;
        state.zahl = kManyDivisors;
        forEachDivisor(state, kManyDivisors, [&](double) { ++sink; });
    });
    const double fullMany =
        bestSeconds(3, [&] { sink += scanOnce(runFullScan, kManyDivisors, Box::txtAlle).size(); });
    printRatio("full scan of 2095133040 with its box writes", fullMany, "the loop without writes",
               withoutWrites, 1.3);

    constexpr int kRootRuns = 200;
    const double root = bestSeconds(
        kRootRuns, [&] { sink += scanOnce(runRootScan, kManyDivisors, Box::txtWurzel).size(); });
    std::printf("%-48s %9.4f ms  (target < 10 ms)\n", "root scan of 2095133040", root * 1000);
    usePortableDivisorBlocks(true);
    const double portable =
        bestSeconds(1, [&] { sink += scanOnce(runFullScan, kLargestPrime, Box::txtAlle).size(); });
    usePortableDivisorBlocks(false);
    std::printf("%-48s %9.4f s   (for comparison: the path for processors without SSE4.1)\n",
                "full scan of 2147483647, portable path", portable);
    std::printf("(checksum %lld)\n", static_cast<long long>(sink));
    return 0;
}
