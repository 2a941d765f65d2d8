#include "ReadableNumbers.h"

#include <cmath>

namespace faktorlupe::vergleich {
namespace {

// Up to the given significant digits, with a decimal comma and without trailing zeros:
// 2.50 gives "2,5", 447.0 gives "447".
QString significant(double value, int digits) {
    QString text = QString::number(value, 'g', digits);
    if (text.contains(QLatin1Char('e')))
        text = QString::number(value, 'f', 0);
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

// "1 000 000" with a no-break space between groups of three digits.
QString grouped(long long value) {
    QString digits = QString::number(value);
    for (qsizetype at = digits.size() - 3; at > (digits.startsWith(QLatin1Char('-')) ? 1 : 0);
         at -= 3)
        digits.insert(at, QChar(0x00A0));
    return digits;
}

} // namespace

QString readableNumber(double value) {
    const double magnitude = std::abs(value);
    if (magnitude >= 1e9)
        return significant(value / 1e9, value / 1e9 >= 100 ? 5 : 3) + QStringLiteral("\u00A0Mrd.");
    if (magnitude >= 1e6)
        return significant(value / 1e6, value / 1e6 >= 100 ? 5 : 3) + QStringLiteral("\u00A0Mio.");
    return grouped(std::llround(value));
}

QString readableSeconds(double seconds) {
    if (seconds == 0)
        return QStringLiteral("0");
    struct Unit {
        double from;
        double size;
        const char* name;
    };
    // 0,62 s rather than 620 ms: seconds from a tenth on, as a stopwatch shows them.
    static const Unit kUnits[] = {
        {0.1, 1, "s"}, {1e-3, 1e-3, "ms"}, {1e-6, 1e-6, "µs"}, {0, 1e-9, "ns"}};
    for (const Unit& unit : kUnits)
        if (seconds >= unit.from || unit.from == 0)
            return significant(seconds / unit.size, 3) + QChar(0x00A0) +
                   QString::fromUtf8(unit.name);
    return {};
}

} // namespace faktorlupe::vergleich
