#include "form/FiguresText.h"

#include "runtime/SignificantDigits.h"

namespace faktorlupe {

QString preciseFiguresText(const ScanFigures& figures, const std::string& decimalSeparator) {
    return QStringLiteral("genau %1 s · %2 %3 · %4 Teiler")
        .arg(QString::fromStdString(significantDigitsText(figures.seconds, 3, decimalSeparator)))
        .arg(figures.candidates)
        .arg(figures.candidates == 1 ? QStringLiteral("Kandidat") : QStringLiteral("Kandidaten"))
        .arg(figures.divisors);
}

} // namespace faktorlupe
