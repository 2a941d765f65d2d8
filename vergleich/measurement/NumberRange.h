#pragma once

#include "vergleich/measurement/Problem.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace faktorlupe::vergleich {

// Reads one number to measure as the command line takes it: a whole decimal number from 2 to
// 2147483647, digits alone, nothing before or after them ("12\n" is not 12). The problem
// is a sentence saying what is wrong.
Problem<std::string> readNumber(std::string_view text, std::int32_t& number);

// Reads the numbers typed into the comparison window's line as pupils write them: several
// separated by ";" or line breaks, each with its thousands grouped German style by dots, blanks,
// no-break or thin spaces, or not at all ("2.000.003; 4 000 037"). A group after the first has
// three digits, so "2.5" and "12,5" are not whole numbers, and "97 12" is two numbers written
// without ";", which the sentence says. Leaves numbers as they were unless every number is one
// from 2 to 2147483647; the problem is about the first that is not.
Problem<std::string> readTypedNumbers(std::string_view line, std::vector<std::int32_t>& numbers);

} // namespace faktorlupe::vergleich
