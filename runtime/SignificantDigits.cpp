#include "runtime/SignificantDigits.h"

#include "runtime/FloatChars.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace faktorlupe {
namespace {

// The value's significant digits after rounding, and the decimal exponent of the first of them:
// 0.00099996 to three digits is "100" with exponent -3. The standard library rounds correctly.
struct Digits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Digits roundedDigits(double value, int digits) {
    char buffer[64];
    const auto result = doubleToChars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, digits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Digits rounded;
    const std::size_t e = text.find('e');
    for (const char c : text.substr(0, e)) {
        if (c == '-')
            rounded.negative = true;
        else if (c >= '0' && c <= '9')
            rounded.digits += c;
    }
    rounded.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    while (rounded.digits.size() > 1 && rounded.digits.back() == '0')
        rounded.digits.pop_back();
    return rounded;
}

} // namespace

double roundToSignificantDigits(double value, int digits) {
    if (value == 0 || !std::isfinite(value))
        return value;
    char buffer[64];
    const auto written = doubleToChars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, digits - 1);
    double rounded = 0;
    doubleFromChars(buffer, written.ptr, rounded);
    return rounded;
}

std::string significantDigitsText(double value, int digits, std::string_view decimalSeparator) {
    if (value == 0 || !std::isfinite(value))
        return "0";
    const Digits rounded = roundedDigits(value, digits);
    std::string text = rounded.negative ? "-" : "";
    const int wholeDigits = rounded.exponent + 1;
    if (wholeDigits <= 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-wholeDigits), '0');
        text += rounded.digits;
    } else if (static_cast<std::size_t>(wholeDigits) >= rounded.digits.size()) {
        text += rounded.digits;
        text.append(static_cast<std::size_t>(wholeDigits) - rounded.digits.size(), '0');
    } else {
        text += rounded.digits.substr(0, static_cast<std::size_t>(wholeDigits));
        text += decimalSeparator;
        text += rounded.digits.substr(static_cast<std::size_t>(wholeDigits));
    }
    return text;
}

} // namespace faktorlupe
