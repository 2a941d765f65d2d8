#include "vergleich/measurement/Measurement.h"

#include "vergleich/measurement/DefaultSeries.h"

#include <gtest/gtest.h>
#include <vector>

namespace faktorlupe::vergleich {
namespace {

// Primality by the test's own means: odd trial divisors only.
bool primeByTrialDivision(std::int64_t n) {
    if (n < 2 || (n % 2 == 0 && n != 2))
        return false;
    for (std::int64_t d = 3; d <= n / d; d += 2)
        if (n % d == 0)
            return false;
    return true;
}

TEST(DefaultSeriesTest, ThirtyPrimesFromTenToTheLargestInputEvenlyOnALogScale) {
    const std::vector<std::int32_t> series = defaultSeries();
    ASSERT_EQ(series.size(), 30u);
    EXPECT_EQ(series.front(), 11); // the prime nearest to 10
    EXPECT_EQ(series.back(), 2147483647);
    for (std::size_t i = 0; i < series.size(); ++i) {
        EXPECT_TRUE(primeByTrialDivision(series[i])) << series[i];
        if (i > 0) {
            // 29 equal steps from 10 to 2^31 - 1 are steps of about 1.94.
            const double ratio = static_cast<double>(series[i]) / series[i - 1];
            EXPECT_GT(ratio, 1.4) << series[i - 1] << " to " << series[i];
            EXPECT_LT(ratio, 2.7) << series[i - 1] << " to " << series[i];
        }
    }
}

// Candidates worked out by hand: the full scan tests 2..n, the half scan 2..n/2, the root scan
// 2..sqrt(n).
struct Counts {
    std::int32_t zahl;
    std::int64_t divisors;
    std::int64_t alle, halbe, wurzel;
};

class CountsTest : public ::testing::TestWithParam<Counts> {};

TEST_P(CountsTest, CandidatesAndDivisorsComeFromTheRun) {
    const Counts& expected = GetParam();
    const NumberFigures figures = measureNumber(expected.zahl);
    EXPECT_EQ(figures.zahl, expected.zahl);
    EXPECT_EQ(figures.divisors, expected.divisors);
    EXPECT_EQ(figures.scans[0].candidates, expected.alle);
    EXPECT_EQ(figures.scans[1].candidates, expected.halbe);
    EXPECT_EQ(figures.scans[2].candidates, expected.wurzel);
    for (const ScanFigures& scan : figures.scans)
        EXPECT_GT(scan.seconds, 0);
}

INSTANTIATE_TEST_SUITE_P(Vergleich, CountsTest,
                         ::testing::Values(Counts{12, 6, 11, 5, 2}, Counts{7, 2, 6, 2, 1},
                                           Counts{2, 2, 1, 0, 0}, Counts{36, 9, 35, 17, 5},
                                           Counts{717313, 4, 717312, 358655, 845}));

TEST(ProgressHookTest, IsToldEachScanInTurn) {
    std::vector<std::size_t> scans;
    measureNumber(5, [&](std::size_t scan) { scans.push_back(scan); });
    EXPECT_EQ(scans, (std::vector<std::size_t>{0, 1, 2}));
}

} // namespace
} // namespace faktorlupe::vergleich
