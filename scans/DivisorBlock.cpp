// Compiled with -fno-trapping-math, which lets the compiler evaluate floor for several
// candidates at once. The divisor test itself is the scans' own, unchanged; the WebAssembly path
// writes the same test, the quotient compared with its floor, in SIMD instructions.
#include "scans/DivisorBlock.h"

#include "scans/DivisorTest.h"

#include <atomic>
#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

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
#elif defined(__wasm_simd128__)
// WebAssembly's SIMD is two doubles wide. Two quotients in flight per pass keep the divider busy
// while the previous pair is compared; the hits are or-ed, so the loop has no branch but its own.
// (Emscripten 3.1.6 turns wasm_i64x2_bitmask into a trap, so the answer is any_true.)
bool anyDivisorFastest(double zahl, double first, int count) {
    const v128_t dividend = wasm_f64x2_splat(zahl);
    const v128_t four = wasm_f64x2_splat(4);
    v128_t low = wasm_f64x2_make(first, first + 1);
    v128_t high = wasm_f64x2_make(first + 2, first + 3);
    v128_t hits = wasm_i64x2_splat(0);
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const v128_t lowQuotient = wasm_f64x2_div(dividend, low);
        const v128_t highQuotient = wasm_f64x2_div(dividend, high);
        hits = wasm_v128_or(hits, wasm_f64x2_eq(lowQuotient, wasm_f64x2_floor(lowQuotient)));
        hits = wasm_v128_or(hits, wasm_f64x2_eq(highQuotient, wasm_f64x2_floor(highQuotient)));
        low = wasm_f64x2_add(low, four);
        high = wasm_f64x2_add(high, four);
    }
    return wasm_v128_any_true(hits) || anyDivisor(zahl, first + i, count - i);
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
