// Feeds arbitrary command lines to faktorlupe-vergleich's argument parser: the bytes are split at
// every NUL into arguments. The parser must never trip a sanitizer, and every number it accepts
// must stand in one argument that is nothing but the decimal digits of a number from 2 to
// 2147483647, so that "12\n" or "12abc" can never pass as 12.
#include "vergleich/commandline/Arguments.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool isPlainDecimal(const QString& text, std::int32_t number) {
    if (text.isEmpty())
        return false;
    std::int64_t value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        // Leading zeros are allowed; anything past the largest number cannot equal one.
        value = std::min<std::int64_t>(value * 10 + (c.unicode() - '0'), 1LL << 40);
    }
    return value == number;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QStringList commandLine{QStringLiteral("faktorlupe-vergleich")};
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& argument : bytes.split('\0'))
        commandLine << QString::fromUtf8(argument);

    faktorlupe::vergleich::Arguments arguments;
    if (faktorlupe::vergleich::parseArguments(commandLine, arguments))
        return 0;
    for (const std::int32_t number : arguments.numbers) {
        bool found = false;
        for (const QString& argument : commandLine)
            found = found || isPlainDecimal(argument, number);
        if (number < 2 || !found)
            std::abort();
    }
    return 0;
}
