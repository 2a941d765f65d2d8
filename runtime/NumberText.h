#pragma once

#include <string>
#include <string_view>

namespace faktorlupe {

// The text of a number as the classic BASIC Str writes it: one leading blank for zero and positive
// values, "-" for negative ones, "." as decimal point whatever the locale, and no decimal point on
// whole values: 71 gives " 71", -6 gives "-6", 2.5 gives " 2.5". Up to 15 significant digits;
// beyond them the exponent form " 1E+15".
std::string textOfNumber(double value);

// The text of a single-precision value with at most 7 significant digits, and of a double with at
// most 15: no leading blank, no grouping, the given decimal separator, the exponent form for very
// large and very small values ("1E+07", "1E-05").
std::string textOfSingle(float value, std::string_view decimalSeparator);
std::string textOfDouble(double value, std::string_view decimalSeparator);

} // namespace faktorlupe
