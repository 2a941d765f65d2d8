#include "FiguresText.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace faktorlupe {
namespace {

// 0.000219 rather than 2.19E-04: pupils read the one, not the other.
std::string threeSignificantDigits(double seconds, const std::string& decimalSeparator) {
    if (!(seconds > 0))
        return "0";
    int exponent = static_cast<int>(std::floor(std::log10(seconds)));
    // 0.0009996 rounds to 0.00100, one digit place further up.
    const double scale = std::pow(10.0, 2 - exponent);
    if (std::round(seconds * scale) >= 1000)
        ++exponent;
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, seconds,
                                      std::chars_format::fixed, std::max(0, 2 - exponent));
    std::string text(buffer, result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

} // namespace

QString preciseFiguresText(const ScanFigures& figures, const std::string& decimalSeparator) {
    return QStringLiteral("genau %1 s · %2 %3 · %4 Teiler")
        .arg(QString::fromStdString(threeSignificantDigits(figures.seconds, decimalSeparator)))
        .arg(figures.candidates)
        .arg(figures.candidates == 1 ? QStringLiteral("Kandidat") : QStringLiteral("Kandidaten"))
        .arg(figures.divisors);
}

QString resultAnnouncement(const ScanFigures& figures, const QString& timeText) {
    return QStringLiteral("%1 Teiler, %2 Sekunden").arg(figures.divisors).arg(timeText);
}

} // namespace faktorlupe
