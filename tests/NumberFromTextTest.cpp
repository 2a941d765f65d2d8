#include "runtime/NumberFromText.h"

#include "LocaleScope.h"
#include "runtime/RoundToInt32.h"
#include "runtime/RuntimeError.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace faktorlupe {
namespace {

using testing::kTestLocales;
using testing::LocaleScope;

struct Reading {
    const char* name;
    const char* text;
    double expected;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Expected values are C++ literals: the compiler's own converter is the independent oracle.
const Reading kReadings[] = {
    {"PresetInput", "717313", 717313},
    {"LeadingBlankAndTrailingLetters", " 12abc", 12},
    {"BlankBetweenDigits", "1 2", 12},
    {"TabAndLineFeedBetweenDigits", "\t1\n2", 12},
    {"CarriageReturnEndsTheNumber", "1\r2", 1},
    {"NoNumber", "abc", 0},
    {"EmptyText", "", 0},
    {"OnlyBlanks", "  \t\n", 0},
    {"DecimalPoint", "2.5", 2.5},
    {"DecimalPointThreeAndAHalf", "3.5", 3.5},
    {"CommaIsNoDecimalPoint", "1,5", 1},
    {"SecondPointEndsTheNumber", "1.2.3", 1.2},
    {"FractionOnly", ".5", 0.5},
    {"PointWithoutFraction", "5.", 5},
    {"PointAlone", ".", 0},
    {"Negative", "-6", -6},
    {"ExplicitPlus", "+7", 7},
    {"BlankAfterSign", "- 5", -5},
    {"SignAlone", "-", 0},
    {"DoubleSign", "--5", 0},
    {"ExponentE", "1.5E3", 1500},
    {"ExponentLowerCase", "1e3", 1000},
    {"ExponentD", "1.5D3", 1500},
    {"NegativeExponent", "25d-2", 0.25},
    {"BlanksInsideExponent", "1 e + 3", 1000},
    {"LetterWithoutExponentDigits", "1e", 1},
    {"ExponentSignWithoutDigits", "7e+x", 7},
    {"LargestInput", "2147483647", 2147483647.0},
    {"OnePastLargestInput", "2147483648", 2147483648.0},
    {"CorrectlyRoundedTenth", "0.1", 0.1},
    {"CorrectlyRoundedLongFraction", "0.30000000000000004", 0.30000000000000004},
    {"HalfwayRoundsToEven", "9007199254740993", 9007199254740992.0},
    {"TooLargeForDouble", "1e400", kInfinity},
    {"NegativeTooLargeForDouble", "-1e400", -kInfinity},
    {"TooSmallForDouble", "1e-400", 0},
    {"ZeroWithHugeExponent", "0e999999999999", 0},
    {"HugeExponentDigits", "1e99999999999999999999", kInfinity},
    {"LongZeroPrefixBalancedByExponent", "0.0000000000000000000001e22", 1},
    {"Hex", "&H1F", 31},
    {"HexLowerCaseWithBlank", "&h f f", 255},
    {"HexEndsAtNonHexDigit", "&H1G", 1},
    {"HexAboveThirtyTwoBits", "&H100000000", 4294967296.0},
    {"Octal", "&O17", 15},
    {"OctalThirtyTwoBitsAllSet", "&O37777777777", 4294967295.0},
    {"OctalEndsAtEight", "&O78", 7},
    {"AmpersandWithoutDigits", "&H", 0},
    {"AmpersandWithUnknownLetter", "&X12", 0},
    {"SignBeforeAmpersand", "-&H1F", 0},
};

class NumberFromTextTest : public ::testing::TestWithParam<std::tuple<Reading, const char*>> {};

TEST_P(NumberFromTextTest, ReadsTheNumberAtTheStart) {
    const auto& [reading, locale] = GetParam();
    LocaleScope scope(locale);
    EXPECT_EQ(numberFromText(reading.text), reading.expected) << '"' << reading.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Conversions, NumberFromTextTest,
                         ::testing::Combine(::testing::ValuesIn(kReadings),
                                            ::testing::ValuesIn(kTestLocales)),
                         [](const auto& info) {
                             return testing::nameInLocale(std::get<0>(info.param),
                                                          std::get<1>(info.param));
                         });

// The input box's text as the scans turn it into their 32-bit number.
struct InputNumber {
    const char* name;
    const char* text;
    int expected;
};

const InputNumber kInputNumbers[] = {
    {"Preset", "717313", 717313},
    {"TrailingLetters", " 12abc", 12},
    {"BlankBetweenDigits", "1 2", 12},
    {"NoNumber", "abc", 0},
    {"Empty", "", 0},
    {"HalfDownToEven", "2.5", 2},
    {"HalfUpToEven", "3.5", 4},
    {"GermanCommaIsNotRead", "3,7", 3},
    {"Largest", "2147483647", 2147483647},
    {"Smallest", "-2147483648", -2147483647 - 1},
    {"SmallestHalfRoundsToEven", "-2147483648.5", -2147483647 - 1},
};

const char* const kOverflowingInputs[] = {"2147483648", "2147483647.5", "-2147483649", "1e400",
                                          "&HFFFFFFFF"};

class InputConversionTest : public ::testing::TestWithParam<std::tuple<InputNumber, const char*>> {
};

TEST_P(InputConversionTest, GivesThe32BitNumber) {
    const auto& [input, locale] = GetParam();
    LocaleScope scope(locale);
    EXPECT_EQ(roundToInt32(numberFromText(input.text)), input.expected);
}

INSTANTIATE_TEST_SUITE_P(Conversions, InputConversionTest,
                         ::testing::Combine(::testing::ValuesIn(kInputNumbers),
                                            ::testing::ValuesIn(kTestLocales)),
                         [](const auto& info) {
                             return testing::nameInLocale(std::get<0>(info.param),
                                                          std::get<1>(info.param));
                         });

class InputOverflowTest : public ::testing::TestWithParam<std::tuple<const char*, const char*>> {};

TEST_P(InputOverflowTest, RaisesTheOverflowError) {
    const auto& [text, locale] = GetParam();
    LocaleScope scope(locale);
    try {
        roundToInt32(numberFromText(text));
        ADD_FAILURE() << '"' << text << "\" was accepted";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.code(), 6);
        EXPECT_STREQ(error.what(), "Überlauf");
    }
}

INSTANTIATE_TEST_SUITE_P(Conversions, InputOverflowTest,
                         ::testing::Combine(::testing::ValuesIn(kOverflowingInputs),
                                            ::testing::ValuesIn(kTestLocales)));

} // namespace
} // namespace faktorlupe
