#include "vergleich/measurement/NumberRange.h"

#include <algorithm>
#include <charconv>

namespace faktorlupe::vergleich {

std::string readNumber(std::string_view text, std::int32_t& number) {
    const bool negative = text.starts_with('-');
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return "»" + std::string(text) + "« ist keine ganze Dezimalzahl.";
    std::int64_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (negative || (result.ec == std::errc() && value < 2))
        return std::string(text) + " ist zu klein: die kleinste Zahl ist 2.";
    if (result.ec != std::errc() || value > 2147483647)
        return std::string(text) + " ist zu groß: die größte Zahl ist 2147483647.";
    number = static_cast<std::int32_t>(value);
    return {};
}

} // namespace faktorlupe::vergleich
