#include "runtime/NumberFromText.h"

#include "runtime/FloatChars.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

namespace faktorlupe {
namespace {

// Walks a text character by character, passing over the blanks the reader ignores.
class Cursor final {
public:
    explicit Cursor(std::string_view text) : m_text(text) {}

    char peek() {
        while (m_pos < m_text.size() && isIgnored(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos] : '\0';
    }
    void advance() { ++m_pos; }
    std::size_t position() const { return m_pos; }
    void rewind(std::size_t position) { m_pos = position; }

private:
    static bool isIgnored(char c) { return c == ' ' || c == '\t' || c == '\n'; }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isOctalDigit(char c) {
    return c >= '0' && c <= '7';
}
bool isHexDigit(char c) {
    return isDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

template <typename Accept> std::string collect(Cursor& cursor, Accept accept) {
    std::string chars;
    for (char c = cursor.peek(); accept(c); c = cursor.peek()) {
        chars += c;
        cursor.advance();
    }
    return chars;
}

// Exponents beyond this already take every mantissa out of the double range; capping them keeps
// the text for the converter short however many digits were typed.
constexpr long kExponentCap = 999'999'999;

// Reads an exponent such as "E-12" or "D3". Returns false, leaving the cursor where it was, when
// the letter is not followed by digits: then "1E" reads as 1.
bool readExponent(Cursor& cursor, long& exponent) {
    const std::size_t start = cursor.position();
    const char letter = cursor.peek();
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd')
        return false;
    cursor.advance();
    bool negative = false;
    if (const char sign = cursor.peek(); sign == '+' || sign == '-') {
        negative = sign == '-';
        cursor.advance();
    }
    const std::string digits = collect(cursor, isDecimalDigit);
    if (digits.empty()) {
        cursor.rewind(start);
        return false;
    }
    long value = 0;
    for (char d : digits)
        value = value >= kExponentCap / 10 ? kExponentCap : value * 10 + (d - '0');
    exponent = negative ? -value : value;
    return true;
}

// The decimal exponent of the first significant digit: 2 for "123.4", -3 for "0.0012".
long magnitude(const std::string& whole, const std::string& fraction, long exponent) {
    for (std::size_t i = 0; i < whole.size(); ++i)
        if (whole[i] != '0')
            return static_cast<long>(whole.size() - i - 1) + exponent;
    for (std::size_t i = 0; i < fraction.size(); ++i)
        if (fraction[i] != '0')
            return -static_cast<long>(i + 1) + exponent;
    return 0;
}

// Converts collected characters with the standard library's correctly rounding converter.
// Out of range, it reports only that; which way is decided by the caller's magnitude.
double convert(const std::string& chars, std::chars_format format, bool tooLarge) {
    double value = 0;
    const auto result = doubleFromChars(chars.data(), chars.data() + chars.size(), value, format);
    if (result.ec == std::errc::result_out_of_range)
        return tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

double readDecimal(Cursor& cursor) {
    bool negative = false;
    if (const char sign = cursor.peek(); sign == '+' || sign == '-') {
        negative = sign == '-';
        cursor.advance();
    }
    const std::string whole = collect(cursor, isDecimalDigit);
    std::string fraction;
    if (cursor.peek() == '.') {
        cursor.advance();
        fraction = collect(cursor, isDecimalDigit);
    }
    if (whole.empty() && fraction.empty())
        return 0;
    long exponent = 0;
    readExponent(cursor, exponent);

    std::string chars = whole.empty() ? "0" : whole;
    if (!fraction.empty())
        chars += '.' + fraction;
    chars += 'e' + std::to_string(exponent);
    const double value =
        convert(chars, std::chars_format::scientific, magnitude(whole, fraction, exponent) > 0);
    return negative && value != 0 ? -value : value;
}

std::string hexFromOctal(const std::string& octal) {
    std::string bits;
    for (char d : octal) {
        const int v = d - '0';
        bits += (v & 4) ? '1' : '0';
        bits += (v & 2) ? '1' : '0';
        bits += (v & 1) ? '1' : '0';
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int v = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                      (bits[i + 3] - '0');
        hex += "0123456789abcdef"[v];
    }
    return hex;
}

// "&H1F" and "&O17": the cursor stands on the "&".
double readBased(Cursor& cursor) {
    cursor.advance();
    const char base = cursor.peek();
    std::string hex;
    if (base == 'H' || base == 'h') {
        cursor.advance();
        hex = collect(cursor, isHexDigit);
    } else if (base == 'O' || base == 'o') {
        cursor.advance();
        hex = hexFromOctal(collect(cursor, isOctalDigit));
    }
    if (hex.empty())
        return 0;
    // Whole numbers only: any overflow of the converter is one of size.
    return convert(hex, std::chars_format::hex, true);
}

} // namespace

double numberFromText(std::string_view text) {
    Cursor cursor(text);
    if (cursor.peek() == '&')
        return readBased(cursor);
    return readDecimal(cursor);
}

} // namespace faktorlupe
