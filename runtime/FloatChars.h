#pragma once

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace faktorlupe {

// The conversions between doubles and text that the runtime builds on: exact, and the same in
// every locale. They are <charconv>'s where the standard library has them for doubles. The
// browser build's library (emscripten's libc++) has them for integers only; its C library
// always writes and reads "." and rounds exactly, so there printf and strtod give the same.

// Like std::to_chars(first, last, value, format, precision) for general and scientific.
inline std::to_chars_result doubleToChars(char* first, char* last, double value,
                                          std::chars_format format, int precision) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, value, format, precision);
#else
    const char* conversion = format == std::chars_format::scientific ? "%.*e" : "%.*g";
    const int length =
        std::snprintf(first, static_cast<std::size_t>(last - first), conversion, precision, value);
    if (length < 0 || length >= last - first)
        return {last, std::errc::value_too_large};
    return {first + length, std::errc()};
#endif
}

// Like std::from_chars(first, last, value, format) for general, scientific and hex; out of the
// double range, value is left alone and the result says so.
inline std::from_chars_result
doubleFromChars(const char* first, const char* last, double& value,
                std::chars_format format = std::chars_format::general) {
#if defined(__cpp_lib_to_chars)
    return std::from_chars(first, last, value, format);
#else
    const std::string text =
        (format == std::chars_format::hex ? "0x" : "") + std::string(first, last);
    char* end = nullptr;
    errno = 0;
    const double read = std::strtod(text.c_str(), &end);
    const std::size_t used = static_cast<std::size_t>(end - text.c_str());
    if (used == 0)
        return {first, std::errc::invalid_argument};
    const char* ptr = first + (used - (format == std::chars_format::hex ? 2 : 0));
    // strtod also says ERANGE for a result below the normal range that it still represents.
    if (errno == ERANGE && (read == 0 || std::isinf(read)))
        return {ptr, std::errc::result_out_of_range};
    value = read;
    return {ptr, std::errc()};
#endif
}

} // namespace faktorlupe
