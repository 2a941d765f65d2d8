#include "vergleich/measurement/Measurement.h"

#include "vergleich/measurement/DefaultSeries.h"
#include "vergleich/measurement/NumberRange.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
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

TEST(DoublingSeriesTest, TheNearestPrimesToOneHundredMillionDoubledFourTimes) {
    const std::vector<std::int32_t> series = doublingSeries();
    ASSERT_EQ(series.size(), 5u);
    for (std::size_t i = 0; i < series.size(); ++i) {
        const std::int64_t point = std::int64_t{100000000} << i;
        const std::int64_t distance = std::abs(series[i] - point);
        EXPECT_TRUE(primeByTrialDivision(series[i])) << series[i];
        EXPECT_LT(distance, 1000) << series[i];
        for (std::int64_t closer = point - distance + 1; closer < point + distance; ++closer)
            EXPECT_FALSE(primeByTrialDivision(closer)) << closer << " is nearer to " << point;
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
    for (std::size_t scan = 0; scan < kScanCount; ++scan) {
        EXPECT_GT(figures.scans[scan].seconds, 0);
        // The median lies between the fastest and the slowest of the measurements.
        EXPECT_GT(figures.ranges[scan].fastest, 0);
        EXPECT_LE(figures.ranges[scan].fastest, figures.scans[scan].seconds);
        EXPECT_GE(figures.ranges[scan].slowest, figures.scans[scan].seconds);
    }
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

struct Spread {
    const char* name;
    MeasuredRange range;
    double spread;
    bool noisy;
};

class SpreadTest : public ::testing::TestWithParam<Spread> {};

TEST_P(SpreadTest, ASpreadAboveTwentyPercentIsNoisy) {
    EXPECT_NEAR(spreadOf(GetParam().range), GetParam().spread, 1e-12);
    EXPECT_EQ(isNoisy(GetParam().range), GetParam().noisy);
}

INSTANTIATE_TEST_SUITE_P(Vergleich, SpreadTest,
                         ::testing::Values(Spread{"Steady", {1.0, 1.05}, 0.05, false},
                                           Spread{"TwentyPercent", {1.0, 1.2}, 0.2, false},
                                           Spread{
                                               "ThirtyFivePercent", {1.2e-3, 1.62e-3}, 0.35, true},
                                           Spread{"NothingMeasured", {0, 0}, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Numbers typed into the window's line as pupils write them.
struct TypedNumbers {
    const char* name;
    const char* line;
    std::vector<std::int32_t> numbers;
};

class TypedNumbersTest : public ::testing::TestWithParam<TypedNumbers> {};

TEST_P(TypedNumbersTest, AreRead) {
    std::vector<std::int32_t> numbers;
    EXPECT_EQ(readTypedNumbers(GetParam().line, numbers), std::nullopt);
    EXPECT_EQ(numbers, GetParam().numbers);
}

INSTANTIATE_TEST_SUITE_P(
    Vergleich, TypedNumbersTest,
    ::testing::Values(TypedNumbers{"Plain", "717313", {717313}},
                      TypedNumbers{"GroupedWithDots", "1.000.000", {1000000}},
                      TypedNumbers{"GroupedWithBlanks", "1 000 000", {1000000}},
                      TypedNumbers{"GroupedWithThinSpaces", "1\u2009000\u2009000", {1000000}},
                      TypedNumbers{"GroupedWithNoBreakSpaces", "1\u00A0000\u202F003", {1000003}},
                      TypedNumbers{
                          "SeparatedBySemicolons", "2.000.003; 4 000 037", {2000003, 4000037}},
                      TypedNumbers{"SeparatedByLineBreaks", "12\n97\r\n1000003", {12, 97, 1000003}},
                      TypedNumbers{"BlanksAndEmptyPiecesAround", " 717313 ;;\t12; ", {717313, 12}},
                      TypedNumbers{"TheLargest", "2.147.483.647", {2147483647}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WrongNumbers {
    const char* name;
    const char* line;
    const char* problem;
};

class WrongNumbersTest : public ::testing::TestWithParam<WrongNumbers> {};

TEST_P(WrongNumbersTest, AreRefusedInAPupilsWords) {
    std::vector<std::int32_t> numbers{11};
    EXPECT_EQ(readTypedNumbers(GetParam().line, numbers), GetParam().problem);
    EXPECT_EQ(numbers, std::vector<std::int32_t>{11});
}

INSTANTIATE_TEST_SUITE_P(
    Vergleich, WrongNumbersTest,
    ::testing::Values(
        WrongNumbers{"Word", "zwölf", "»zwölf« ist keine ganze Zahl."},
        WrongNumbers{"DecimalComma", "12,5", "»12,5« ist keine ganze Zahl."},
        WrongNumbers{"DecimalPoint", "2.5", "»2.5« ist keine ganze Zahl."},
        WrongNumbers{"TwoDotsInARow", "1..000", "»1..000« ist keine ganze Zahl."},
        WrongNumbers{"NumbersWithoutSemicolons", "97 12 1000003",
                     "»97 12 1000003« ist keine ganze Zahl; mehrere Zahlen trennt ein »;«."},
        WrongNumbers{"One", "1", "»1« ist zu klein: die kleinste Zahl ist 2."},
        WrongNumbers{"Negative", "-5", "»-5« ist zu klein: die kleinste Zahl ist 2."},
        WrongNumbers{"AboveTheLargest", "2.147.483.648",
                     "»2.147.483.648« ist zu groß: die größte Zahl ist 2.147.483.647."},
        WrongNumbers{"FarAboveTheLargest", "99999999999999999999999",
                     "»99999999999999999999999« ist zu groß: die größte Zahl ist 2.147.483.647."},
        WrongNumbers{"TheSecondOfTwo", "12; x", "»x« ist keine ganze Zahl."},
        WrongNumbers{"ALongPasteIsCut", "123456789012345678901234567890123456789ä0 abc",
                     "»123456789012345678901234567890123456789 …« ist keine ganze Zahl."},
        WrongNumbers{"Nothing", " ; \n", "Bitte mindestens eine Zahl eingeben."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace faktorlupe::vergleich
