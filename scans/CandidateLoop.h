#pragma once

#include "scans/DivisorBlock.h"
#include "scans/DivisorTest.h"
#include "scans/ScanState.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace faktorlupe {

// Candidates tested per block: small enough that re-testing a block with a divisor costs little,
// large enough that the call per block vanishes against the tests.
inline constexpr double kCandidatesPerBlock = 512;

// The scans' loop: kandidat = 2, 3, 4, ... while kandidat is at most bound, every candidate tested
// with the divisor test, no early exit, no candidate skipped. onDivisor(k) runs for every divisor
// in ascending order, with state.kandidat holding it; afterwards state.kandidat holds the first
// candidate past the bound (2 when the loop makes no pass). Returns the candidates tested: the
// loop starts at 2, so that is state.kandidat - 2 (11 for 12, none for 1).
template <typename OnDivisor>
std::int64_t forEachDivisor(ScanState& state, double bound, OnDivisor&& onDivisor) {
    const double zahl = state.zahl;
    double kandidat = 2;
    while (kandidat <= bound) {
        const double blockEnd = std::min(kandidat + kCandidatesPerBlock, std::floor(bound) + 1);
        if (blockHoldsDivisor(zahl, kandidat, static_cast<int>(blockEnd - kandidat))) {
            for (double k = kandidat; k < blockEnd; ++k) {
                if (isDivisor(zahl, k)) {
                    state.kandidat = k;
                    onDivisor(k);
                }
            }
        }
        kandidat = blockEnd;
    }
    state.kandidat = kandidat;
    return static_cast<std::int64_t>(kandidat) - 2;
}

} // namespace faktorlupe
