#include "runtime/NumberText.h"

#include "runtime/FloatChars.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace faktorlupe {
namespace {

// printf's %G rule, which is also the classic one: plain digits while the exponent lies between
// -5 and the number of significant digits, else mantissa and exponent; trailing zeros dropped.
std::string significantDigits(double value, int precision, std::string_view decimalSeparator) {
    char buffer[64];
    const auto result =
        doubleToChars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    std::string text;
    for (const char* p = buffer; p != result.ptr; ++p) {
        if (*p == '.')
            text += decimalSeparator;
        else if (*p == 'e')
            text += 'E';
        else
            text += *p;
    }
    return text;
}

} // namespace

std::string textOfNumber(double value) {
    std::string text = value < 0 ? "" : " ";
    if (std::abs(value) < 1e15 && value == std::trunc(value)) {
        char buffer[24];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(value));
        text.append(buffer, result.ptr);
    } else {
        text += significantDigits(value, 15, ".");
    }
    return text;
}

std::string textOfSingle(float value, std::string_view decimalSeparator) {
    return significantDigits(value, 7, decimalSeparator);
}

std::string textOfDouble(double value, std::string_view decimalSeparator) {
    return significantDigits(value, 15, decimalSeparator);
}

} // namespace faktorlupe
