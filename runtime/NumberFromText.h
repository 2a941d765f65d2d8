#pragma once

#include <string_view>

namespace faktorlupe {

// Reads the number at the start of a text like the classic BASIC Val, the same in every locale:
// - blanks, tabs and line feeds are ignored wherever they stand: " 12" and "1 2" both read as 12;
// - an optional sign, digits with at most one "." as the decimal point, and an optional exponent
//   written with E or D ("1.5E3" and "1.5D3" both read as 1500);
// - "&H" with hex digits ("&H1F" is 31) and "&O" with octal digits ("&O17" is 15) read as whole
//   non-negative numbers of any length;
// - reading stops at the first other character: " 12abc" is 12, and "1,5" is 1 because only "."
//   is a decimal point here;
// - a text that does not start with a number reads as 0.
// Magnitudes beyond the range of a double read as infinity, those too small for it as zero.
double numberFromText(std::string_view text);

} // namespace faktorlupe
