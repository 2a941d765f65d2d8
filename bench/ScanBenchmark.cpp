// Times the scans through the engine against reference loops built into this program, in one
// run on one machine, and prints each figure with its ratio. Figures are the best of several
// runs: the machines are shared, and the best run is the one least disturbed.
#include "ReferenceLoop.h"
#include "scans/CandidateLoop.h"
#include "scans/DivisorBlock.h"
#include "scans/MemoryFormView.h"
#include "scans/Scans.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

using namespace faktorlupe;
using bench::bestSeconds;
using bench::referenceFourWide;

std::string scanOnce(ScanFigures (*scan)(ScanState&, FormView&, const Stopwatch&), std::int64_t n,
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

    const double fullPrime =
        bestSeconds(3, [&] { sink += scanOnce(runFullScan, kLargestPrime, Box::txtAlle).size(); });
    if (bench::haveFourWideReference()) {
        const double reference =
            bestSeconds(3, [&] { sink += referenceFourWide(kLargestPrime, kLargestPrime); });
        printRatio("full scan of 2147483647 (engine)", fullPrime, "four-wide reference loop",
                   reference, 1.25);
    } else {
        std::printf("%-48s %9.4f s   (no four-wide reference on this processor)\n",
                    "full scan of 2147483647 (engine)", fullPrime);
    }

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
