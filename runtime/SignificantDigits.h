#pragma once

#include <string>
#include <string_view>

namespace faktorlupe {

// A value rounded to the given number of significant digits: 0.00099996 to three is 0.001.
double roundToSignificantDigits(double value, int digits);

// A value rounded to the given number of significant digits and written as pupils read it:
// plain digits without an exponent, no trailing zeros, the given decimal separator. To three
// digits 0.000219 gives "0,000219", 2.50 gives "2,5", 447.2 gives "447", 12345 gives "12300".
std::string significantDigitsText(double value, int digits, std::string_view decimalSeparator);

} // namespace faktorlupe
