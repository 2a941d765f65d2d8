#include "vergleich/readable/ReadableText.h"

#include "runtime/DurationText.h"
#include "runtime/SignificantDigits.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace faktorlupe::vergleich {
namespace {

const std::string_view kDecimalComma = ",";
const std::string kNoBreakSpace = "\u00A0";

// In words from a million on, to three significant digits, or five from a hundred on so that
// the numbers near 2^31 stay apart. Rounded before the word is chosen: 999999900 is "1 Mrd.",
// not "1000 Mio.".
std::string inWords(double value, double unit, const char* word) {
    const double inUnits = value / unit;
    const int digits = std::abs(inUnits) >= 100 ? 5 : 3;
    return significantDigitsText(inUnits, digits, kDecimalComma) + kNoBreakSpace + word;
}

// One decimal, with a comma: 1.96 is "2,0".
std::string oneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::round(value * 10) / 10);
    std::string result = text;
    std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

} // namespace

std::string groupedDigitsText(long long value) {
    std::string digits = std::to_string(value);
    const std::size_t first = value < 0 ? 1 : 0;
    for (std::size_t at = digits.size(); at > first + 3;) {
        at -= 3;
        digits.insert(at, kNoBreakSpace);
    }
    return digits;
}

std::string readableNumberText(double value) {
    const double magnitude = std::abs(roundToSignificantDigits(value, 3));
    if (magnitude >= 1e9)
        return inWords(value, 1e9, "Mrd.");
    if (magnitude >= 1e6)
        return inWords(value, 1e6, "Mio.");
    return groupedDigitsText(std::llround(value));
}

std::string readableSecondsText(double seconds) {
    return secondsWithUnit(seconds, kDecimalComma);
}

namespace {

std::string factorDigits(double ratio, bool grouped) {
    if (ratio >= 9.95)
        return grouped ? groupedDigitsText(std::llround(ratio))
                       : std::to_string(std::llround(ratio));
    if (ratio >= 0.095)
        return oneDecimal(ratio);
    return significantDigitsText(ratio, 2, kDecimalComma);
}

} // namespace

std::string readableFactorText(double ratio) {
    return "×" + kNoBreakSpace + factorDigits(ratio, true);
}

std::string plainFactorText(double ratio) {
    return factorDigits(ratio, false);
}

std::string readablePercentText(double share) {
    return groupedDigitsText(std::llround(share * 100)) + kNoBreakSpace + "%";
}

} // namespace faktorlupe::vergleich
