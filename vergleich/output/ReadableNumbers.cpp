#include "vergleich/output/ReadableNumbers.h"

#include "runtime/DurationText.h"
#include "runtime/SignificantDigits.h"

#include <cmath>

namespace faktorlupe::vergleich {
namespace {

const std::string_view kDecimalComma = ",";

// In words from a million on, to three significant digits, or five from a hundred on so that
// the numbers near 2^31 stay apart. Rounded before the word is chosen: 999999900 is "1 Mrd.",
// not "1000 Mio.".
QString inWords(double value, double unit, const char* word) {
    const double inUnits = value / unit;
    const int digits = std::abs(inUnits) >= 100 ? 5 : 3;
    return QString::fromStdString(significantDigitsText(inUnits, digits, kDecimalComma)) +
           QChar(0x00A0) + QString::fromUtf8(word);
}

} // namespace

QString groupedDigits(long long value) {
    QString digits = QString::number(value);
    for (qsizetype at = digits.size() - 3; at > (digits.startsWith(QLatin1Char('-')) ? 1 : 0);
         at -= 3)
        digits.insert(at, QChar(0x00A0));
    return digits;
}

QString readableNumber(double value) {
    const double magnitude = std::abs(roundToSignificantDigits(value, 3));
    if (magnitude >= 1e9)
        return inWords(value, 1e9, "Mrd.");
    if (magnitude >= 1e6)
        return inWords(value, 1e6, "Mio.");
    return groupedDigits(std::llround(value));
}

QString readableSeconds(double seconds) {
    return QString::fromStdString(secondsWithUnit(seconds, kDecimalComma));
}

QString readableFactor(double ratio) {
    QString text;
    if (ratio >= 9.95)
        text = groupedDigits(std::llround(ratio));
    else if (ratio >= 0.095)
        text = QString::number(std::round(ratio * 10) / 10, 'f', 1)
                   .replace(QLatin1Char('.'), QLatin1Char(','));
    else
        text = QString::fromStdString(significantDigitsText(ratio, 2, kDecimalComma));
    return QStringLiteral("×\u00A0") + text;
}

QString readablePercent(double share) {
    return groupedDigits(std::llround(share * 100)) + QStringLiteral("\u00A0%");
}

} // namespace faktorlupe::vergleich
