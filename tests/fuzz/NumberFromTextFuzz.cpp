// Feeds arbitrary bytes to the input reader and checks it against a reference reader written
// differently: it first strips every ignored blank, matches the longest number at the start by
// hand and converts that with the C library (the process stays in the C locale). The two must
// agree on every input, and the reader must never trip a sanitizer.
#include "runtime/NumberFromText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool isDigitIn(char c, int base) {
    if (base == 8)
        return c >= '0' && c <= '7';
    if (base == 16)
        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    return c >= '0' && c <= '9';
}

std::size_t digitsAt(const std::string& s, std::size_t i, int base) {
    std::size_t n = 0;
    while (i + n < s.size() && isDigitIn(s[i + n], base))
        ++n;
    return n;
}

// Returns nothing where the reference cannot decide: octal numbers too long for 64 bits.
std::optional<double> referenceReader(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    if (!s.empty() && s[0] == '&') {
        if (s.size() < 2)
            return 0.0;
        const char base = static_cast<char>(std::tolower(static_cast<unsigned char>(s[1])));
        if (base == 'h') {
            const std::size_t n = digitsAt(s, 2, 16);
            return n == 0 ? 0.0 : std::strtod(("0x" + s.substr(2, n)).c_str(), nullptr);
        }
        if (base == 'o') {
            std::size_t start = 2;
            while (start < s.size() && s[start] == '0')
                ++start;
            const std::size_t n = digitsAt(s, start, 8);
            if (n > 21)
                return std::nullopt;
            return n == 0
                       ? 0.0
                       : static_cast<double>(std::strtoull(s.substr(start, n).c_str(), nullptr, 8));
        }
        return 0.0;
    }
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    const std::size_t whole = digitsAt(s, i, 10);
    i += whole;
    std::size_t fraction = 0;
    if (i < s.size() && s[i] == '.') {
        fraction = digitsAt(s, i + 1, 10);
        i += 1 + fraction;
    }
    if (whole + fraction == 0)
        return 0.0;
    std::string number = s.substr(0, i);
    if (i < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (const std::size_t exponent = digitsAt(s, j, 10); exponent > 0)
            number += "e" + s.substr(i + 1, j + exponent - i - 1);
    }
    return std::strtod(number.c_str(), nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = faktorlupe::numberFromText(text);
    const std::optional<double> expected = referenceReader(text);
    if (expected && !(value == *expected || (std::isnan(value) && std::isnan(*expected)))) {
        std::fprintf(stderr, "reader gave %.17g, reference %.17g\n", value, *expected);
        std::abort();
    }
    return 0;
}
