#include "runtime/RoundToInt32.h"

#include "runtime/RuntimeError.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace faktorlupe {
namespace {

struct Rounding {
    double value;
    int expected;
};

class RoundToInt32Test : public ::testing::TestWithParam<Rounding> {};

TEST_P(RoundToInt32Test, RoundsToNearestHalvesToEven) {
    EXPECT_EQ(roundToInt32(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, RoundToInt32Test,
    ::testing::Values(Rounding{0.5, 0}, Rounding{1.5, 2}, Rounding{2.5, 2}, Rounding{3.5, 4},
                      Rounding{-0.5, 0}, Rounding{-1.5, -2}, Rounding{-2.5, -2},
                      Rounding{2.4999999, 2}, Rounding{2.5000001, 3}, Rounding{-2.5000001, -3},
                      Rounding{0.0, 0}, Rounding{-0.0, 0}, Rounding{2147483647.0, 2147483647},
                      Rounding{2147483647.4, 2147483647}, Rounding{-2147483648.0, -2147483647 - 1},
                      Rounding{-2147483648.5, -2147483647 - 1}));

class RoundToInt32OverflowTest : public ::testing::TestWithParam<double> {};

TEST_P(RoundToInt32OverflowTest, RaisesTheOverflowError) {
    try {
        roundToInt32(GetParam());
        ADD_FAILURE() << GetParam() << " was accepted";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::Overflow);
        EXPECT_EQ(error.code(), 6);
    }
}

INSTANTIATE_TEST_SUITE_P(Conversions, RoundToInt32OverflowTest,
                         ::testing::Values(2147483647.5, 2147483648.0, -2147483648.5000005,
                                           -2147483649.0, 1e300,
                                           std::numeric_limits<double>::infinity(),
                                           -std::numeric_limits<double>::infinity(),
                                           std::numeric_limits<double>::quiet_NaN()));

} // namespace
} // namespace faktorlupe
