// Compiled with -fno-trapping-math, which lets the compiler evaluate floor for several
// candidates at once. The divisor test itself is the scans' own, unchanged.
#include "scans/DivisorBlock.h"

#include "scans/DivisorTest.h"

#include <atomic>

namespace faktorlupe {
namespace {

std::atomic<bool> portableOnly{false};

// An "or" over the block rather than an early return keeps the loop free of branches, which is
// what lets it be vectorised; the block is small, so nothing is lost by finishing it.
[[gnu::always_inline]] inline bool anyDivisor(double zahl, double first, int count) {
    long long hits = 0;
    for (int i = 0; i < count; ++i)
        hits |= static_cast<long long>(isDivisor(zahl, first + i));
    return hits != 0;
}

#if defined(__x86_64__)
// One binary for every x86-64 processor: the loader picks the widest of these versions that the
// processor runs, once, at start-up.
[[gnu::target_clones("avx2", "sse4.1", "default")]] bool
anyDivisorFastest(double zahl, double first, int count) {
    return anyDivisor(zahl, first, count);
}
#else
// Elsewhere the baseline already tests several candidates per instruction: on aarch64 NEON
// divides two doubles at once.
bool anyDivisorFastest(double zahl, double first, int count) {
    return anyDivisor(zahl, first, count);
}
#endif

[[gnu::noinline]] bool anyDivisorPortable(double zahl, double first, int count) {
    return anyDivisor(zahl, first, count);
}

} // namespace

bool blockHoldsDivisor(double zahl, double first, int count) {
    if (portableOnly.load(std::memory_order_relaxed))
        return anyDivisorPortable(zahl, first, count);
    return anyDivisorFastest(zahl, first, count);
}

void usePortableDivisorBlocks(bool portable) {
    portableOnly.store(portable, std::memory_order_relaxed);
}

} // namespace faktorlupe
