#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace faktorlupe::vergleich {

// Reads one number to measure, as the command line and the window's line take it: a whole
// decimal number from 2 to 2147483647, nothing before or after it ("12\n" is not 12). Returns an
// empty text on success, else a German sentence (UTF-8) saying what is wrong.
std::string readNumber(std::string_view text, std::int32_t& number);

} // namespace faktorlupe::vergleich
