#include "vergleich/measurement/NumberRange.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace faktorlupe::vergleich {
namespace {

constexpr std::int64_t kSmallest = 2;
constexpr std::int64_t kLargest = 2147483647;

// What may stand between groups of three digits: a dot, a blank, a no-break space, a thin space
// and a narrow no-break space, as word processors and books set them.
constexpr std::array<std::string_view, 5> kGroupSeparators = {".", " ", "\u00A0", "\u2009",
                                                              "\u202F"};
// What may stand around a number in the line: blanks of every kind and tabs.
constexpr std::array<std::string_view, 5> kBlanks = {" ", "\t", "\u00A0", "\u2009", "\u202F"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The length of the separator of the given kinds at the start of text, 0 for none.
template <std::size_t N>
std::size_t separatorAt(std::string_view text, const std::array<std::string_view, N>& kinds) {
    for (const std::string_view kind : kinds)
        if (text.starts_with(kind))
            return kind.size();
    return 0;
}

std::string_view trimmed(std::string_view text) {
    for (bool again = true; again;) {
        again = false;
        if (const std::size_t blank = separatorAt(text, kBlanks); blank > 0) {
            text.remove_prefix(blank);
            again = true;
        }
        for (const std::string_view kind : kBlanks)
            if (text.ends_with(kind)) {
                text.remove_suffix(kind.size());
                again = true;
            }
    }
    return text;
}

// The text as the sentence quotes it: a long paste is cut, at the start of a character.
std::string quoted(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest)
        return "»" + std::string(text) + "«";
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return "»" + std::string(text.substr(0, cut)) + " …«";
}

std::string notAWholeNumber(std::string_view text) {
    return quoted(text) + " ist keine ganze Zahl.";
}

// Checks the digits' value against the range; the sentence names the largest number in the form
// its reader writes numbers.
Problem<std::string> inRange(std::string_view text, std::string_view digits, bool negative,
                             std::string_view largest, std::int32_t& number) {
    std::int64_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (negative || (result.ec == std::errc() && value < kSmallest))
        return quoted(text) + " ist zu klein: die kleinste Zahl ist 2.";
    if (result.ec != std::errc() || value > kLargest)
        return quoted(text) + " ist zu groß: die größte Zahl ist " + std::string(largest) + ".";
    number = static_cast<std::int32_t>(value);
    return std::nullopt;
}

// The digit groups of a number written with separators between them, in order; none when the
// text holds anything else or two separators in a row.
std::vector<std::string_view> digitGroups(std::string_view text) {
    std::vector<std::string_view> groups;
    std::size_t start = 0;
    for (std::size_t at = 0;;) {
        if (at == text.size() || !isDigit(text[at])) {
            const std::size_t separator =
                at == text.size() ? 0 : separatorAt(text.substr(at), kGroupSeparators);
            if (at == start || (at < text.size() && separator == 0))
                return {};
            groups.push_back(text.substr(start, at - start));
            if (at == text.size())
                return groups;
            at += separator;
            start = at;
        } else {
            ++at;
        }
    }
}

// "2.000.003" and "2000003" are numbers, "2.5" and "20.00.003" are not.
bool groupedInThrees(const std::vector<std::string_view>& groups) {
    if (groups.size() == 1)
        return true;
    return groups.front().size() <= 3 &&
           std::all_of(groups.begin() + 1, groups.end(),
                       [](std::string_view group) { return group.size() == 3; });
}

Problem<std::string> readTypedNumber(std::string_view text, std::int32_t& number) {
    const bool negative = text.starts_with('-');
    const std::vector<std::string_view> groups = digitGroups(negative ? text.substr(1) : text);
    if (groups.empty())
        return notAWholeNumber(text);
    if (!groupedInThrees(groups)) {
        if (text.find_first_of(".,") == std::string_view::npos)
            return quoted(text) + " ist keine ganze Zahl; mehrere Zahlen trennt ein »;«.";
        return notAWholeNumber(text);
    }
    std::string digits;
    for (const std::string_view group : groups)
        digits += group;
    return inRange(text, digits, negative, "2.147.483.647", number);
}

} // namespace

Problem<std::string> readNumber(std::string_view text, std::int32_t& number) {
    const bool negative = text.starts_with('-');
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
        return notAWholeNumber(text);
    return inRange(text, digits, negative, "2147483647", number);
}

Problem<std::string> readTypedNumbers(std::string_view line, std::vector<std::int32_t>& numbers) {
    std::vector<std::int32_t> read;
    while (!line.empty()) {
        const std::size_t end = std::min(line.find_first_of(";\r\n"), line.size());
        if (const std::string_view text = trimmed(line.substr(0, end)); !text.empty()) {
            std::int32_t number = 0;
            if (Problem<std::string> problem = readTypedNumber(text, number))
                return problem;
            read.push_back(number);
        }
        line.remove_prefix(std::min(end + 1, line.size()));
    }
    if (read.empty())
        return "Bitte mindestens eine Zahl eingeben.";
    numbers = std::move(read);
    return std::nullopt;
}

} // namespace faktorlupe::vergleich
