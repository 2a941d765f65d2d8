#include "RecordingFormView.h"
#include "scans/DivisorBlock.h"
#include "scans/MemoryFormView.h"
#include "scans/Scans.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace faktorlupe {
namespace {

using testing::stopwatchReading;

// The divisor list worked out independently of the scans: integer remainders, and each divisor
// below the root together with its co-divisor.
std::string oracleList(std::int64_t n) {
    std::string small = "1";
    std::string large = n > 1 ? " - " + std::to_string(n) : "";
    for (std::int64_t d = 2; d * d <= n; ++d) {
        if (n % d != 0)
            continue;
        small += " - " + std::to_string(d);
        if (d != n / d)
            large.insert(0, " - " + std::to_string(n / d));
    }
    return small + large;
}

struct RowTexts {
    std::string alle, halbe, wurzel;
    double kandidatAfterFull, kandidatAfterHalf, kandidatAfterRoot;
    ScanFigures full, half, root;
};

RowTexts scanAll(std::int64_t n) {
    ScanState state;
    MemoryFormView view;
    view.setText(Box::txtEingabe, std::to_string(n));
    const Stopwatch stopwatch = stopwatchReading({1.0f});
    RowTexts rows;
    rows.full = runFullScan(state, view, stopwatch);
    rows.kandidatAfterFull = state.kandidat;
    rows.half = runHalfScan(state, view, stopwatch);
    rows.kandidatAfterHalf = state.kandidat;
    rows.root = runRootScan(state, view, stopwatch);
    rows.kandidatAfterRoot = state.kandidat;
    rows.alle = view.text(Box::txtAlle);
    rows.halbe = view.text(Box::txtHalbe);
    rows.wurzel = view.text(Box::txtWurzel);
    return rows;
}

// The figures a scan returns: the candidates from 2 to its bound (n, n/2, the integer root) and
// the divisors the oracle's list holds.
void expectOracle(std::int64_t n) {
    const std::string expected = oracleList(n);
    const RowTexts rows = scanAll(n);
    ASSERT_EQ(rows.alle, expected) << n;
    ASSERT_EQ(rows.halbe, expected) << n;
    ASSERT_EQ(rows.wurzel, expected) << n;
    std::int64_t divisors = 1;
    for (std::size_t at = expected.find(" - "); at != std::string::npos;
         at = expected.find(" - ", at + 1))
        ++divisors;
    std::int64_t root = 1;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    for (const ScanFigures& figures : {rows.full, rows.half, rows.root}) {
        ASSERT_EQ(figures.divisors, divisors) << n;
        ASSERT_GE(figures.seconds, 0) << n;
    }
    ASSERT_EQ(rows.full.candidates, n - 1) << n;
    ASSERT_EQ(rows.half.candidates, std::max<std::int64_t>(n / 2 - 1, 0)) << n;
    ASSERT_EQ(rows.root.candidates, root - 1) << n;
}

TEST(OracleTest, EveryNumberUpToTwentyThousand) {
    for (std::int64_t n = 2; n <= 20000; ++n)
        expectOracle(n);
}

class LargeNumberOracleTest : public ::testing::TestWithParam<std::int64_t> {};

TEST_P(LargeNumberOracleTest, AllThreeListsMatch) {
    expectOracle(GetParam());
}

// The largest input (a prime), its even neighbour, 1600 and 1344 divisors, a power of two and a
// square (46340 squared).
INSTANTIATE_TEST_SUITE_P(Scans, LargeNumberOracleTest,
                         ::testing::Values(2147483647, 2147483646, 2095133040, 735134400,
                                           1073741824, 2147395600));

// The scans must give the same result whichever code path tests the blocks.
class PortablePathTest : public ::testing::TestWithParam<std::int64_t> {
protected:
    void TearDown() override { usePortableDivisorBlocks(false); }
};

TEST_P(PortablePathTest, GivesTheSameRowsAsTheFastestPath) {
    const RowTexts fastest = scanAll(GetParam());
    usePortableDivisorBlocks(true);
    const RowTexts portable = scanAll(GetParam());
    EXPECT_EQ(portable.alle, fastest.alle);
    EXPECT_EQ(portable.halbe, fastest.halbe);
    EXPECT_EQ(portable.wurzel, fastest.wurzel);
    EXPECT_EQ(portable.kandidatAfterFull, fastest.kandidatAfterFull);
    EXPECT_EQ(portable.kandidatAfterHalf, fastest.kandidatAfterHalf);
    EXPECT_EQ(portable.kandidatAfterRoot, fastest.kandidatAfterRoot);
    EXPECT_EQ(portable.alle, oracleList(GetParam()));
}

// Small numbers, block edges (512 candidates a block, from 2), a product of the first primes, a
// power of two and a prime above ten million.
INSTANTIATE_TEST_SUITE_P(Scans, PortablePathTest,
                         ::testing::Values(2, 3, 12, 513, 514, 515, 1026, 9699690, 16777216,
                                           10000019));

} // namespace
} // namespace faktorlupe
