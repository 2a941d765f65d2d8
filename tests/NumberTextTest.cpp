#include "runtime/NumberText.h"

#include "LocaleScope.h"
#include "runtime/DurationText.h"
#include "runtime/SignificantDigits.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace faktorlupe {
namespace {

using testing::kTestLocales;
using testing::LocaleScope;

struct NumberAsText {
    double value;
    const char* expected;
};

// The text a divisor list is made of: the same in every locale.
const NumberAsText kNumberTexts[] = {
    {0, " 0"},
    {71, " 71"},
    {-6, "-6"},
    {717313, " 717313"},
    {2147483647, " 2147483647"},
    {2147483648.0, " 2147483648"},
    {-2147483648.0, "-2147483648"},
    {2.5, " 2.5"},
    {-0.25, "-0.25"},
    {0.1, " 0.1"},
    {999999999999999, " 999999999999999"},
    {1e15, " 1E+15"},
    {1e20, " 1E+20"},
};

class TextOfNumberTest : public ::testing::TestWithParam<std::tuple<NumberAsText, const char*>> {};

TEST_P(TextOfNumberTest, LeadingBlankForNonNegativesAndPointAlways) {
    const auto& [row, locale] = GetParam();
    LocaleScope scope(locale);
    EXPECT_EQ(textOfNumber(row.value), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Conversions, TextOfNumberTest,
                         ::testing::Combine(::testing::ValuesIn(kNumberTexts),
                                            ::testing::ValuesIn(kTestLocales)));

// Expected texts are written with "." and stand for whichever separator the row is run with.
struct SingleAsText {
    float value;
    const char* expected;
};

const SingleAsText kSingleTexts[] = {
    {0.0f, "0"},
    {0.45f, "0.45"},
    {-1.5f, "-1.5"},
    {123456.7f, "123456.7"},
    {900018.75f, "900018.8"},
    {1000018.75f, "1000019"},
    {8639950.0f, "8639950"},
    {10000000.0f, "1E+07"},
    {12345678.0f, "1.234568E+07"},
    {0.0001f, "0.0001"},
    {0.00001f, "1E-05"},
};

struct DoubleAsText {
    double value;
    const char* expected;
};

const DoubleAsText kDoubleTexts[] = {
    {0.0, "0"},
    {0.45, "0.45"},
    {-2.5, "-2.5"},
    {1.0 / 3.0, "0.333333333333333"},
    {0.311875, "0.311875"},
    {123456789012345.6, "123456789012346"},
    {1e15, "1E+15"},
    {0.00001, "1E-05"},
};

std::string withSeparator(std::string text, const std::string& separator) {
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

const char* const kSeparators[] = {".", ","};

class TextOfSingleTest : public ::testing::TestWithParam<std::tuple<SingleAsText, const char*>> {};

TEST_P(TextOfSingleTest, SevenSignificantDigitsWithTheGivenSeparator) {
    const auto& [row, separator] = GetParam();
    EXPECT_EQ(textOfSingle(row.value, separator), withSeparator(row.expected, separator));
}

INSTANTIATE_TEST_SUITE_P(Conversions, TextOfSingleTest,
                         ::testing::Combine(::testing::ValuesIn(kSingleTexts),
                                            ::testing::ValuesIn(kSeparators)));

class TextOfDoubleTest : public ::testing::TestWithParam<std::tuple<DoubleAsText, const char*>> {};

TEST_P(TextOfDoubleTest, FifteenSignificantDigitsWithTheGivenSeparator) {
    const auto& [row, separator] = GetParam();
    EXPECT_EQ(textOfDouble(row.value, separator), withSeparator(row.expected, separator));
}

INSTANTIATE_TEST_SUITE_P(Conversions, TextOfDoubleTest,
                         ::testing::Combine(::testing::ValuesIn(kDoubleTexts),
                                            ::testing::ValuesIn(kSeparators)));

// Figures for people: rounded once, then written without exponent, trailing zeros or a unit that
// the rounding has outgrown.
struct ReadableAsText {
    double value;
    const char* significant; // to three significant digits
    const char* withUnit;    // the same value as seconds
};

const ReadableAsText kReadableTexts[] = {
    {0, "0", "0"},
    {0.000219, "0.000219", "219\u00A0µs"},
    {2.5, "2.5", "2.5\u00A0s"},
    {447.2, "447", "447\u00A0s"},
    {12345, "12300", "12300\u00A0s"},
    {5.58e-6, "0.00000558", "5.58\u00A0µs"},
    {4.47e-7, "0.000000447", "447\u00A0ns"},
    {0.05, "0.05", "50\u00A0ms"},
    {9.9996e-4, "0.001", "1\u00A0ms"},
    {0.099996, "0.1", "0.1\u00A0s"},
    {9.99996e-7, "0.000001", "1\u00A0µs"},
    {-0.0625, "-0.0625", "-62.5\u00A0ms"},
};

class ReadableTextTest : public ::testing::TestWithParam<std::tuple<ReadableAsText, const char*>> {
};

TEST_P(ReadableTextTest, RoundedFirstThenWritten) {
    const auto& [row, separator] = GetParam();
    EXPECT_EQ(significantDigitsText(row.value, 3, separator),
              withSeparator(row.significant, separator));
    EXPECT_EQ(secondsWithUnit(row.value, separator), withSeparator(row.withUnit, separator));
}

INSTANTIATE_TEST_SUITE_P(Conversions, ReadableTextTest,
                         ::testing::Combine(::testing::ValuesIn(kReadableTexts),
                                            ::testing::ValuesIn(kSeparators)));

TEST(TextOfDoubleTest, IgnoresTheProcessLocale) {
    LocaleScope scope("de_DE.UTF-8");
    EXPECT_EQ(textOfDouble(0.45, "."), "0.45");
    EXPECT_EQ(textOfSingle(0.45f, "."), "0.45");
}

} // namespace
} // namespace faktorlupe
