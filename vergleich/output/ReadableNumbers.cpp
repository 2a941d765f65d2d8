#include "vergleich/output/ReadableNumbers.h"

#include "vergleich/readable/ReadableText.h"

namespace faktorlupe::vergleich {

QString groupedDigits(long long value) {
    return QString::fromStdString(groupedDigitsText(value));
}

QString readableNumber(double value) {
    return QString::fromStdString(readableNumberText(value));
}

QString readableSeconds(double seconds) {
    return QString::fromStdString(readableSecondsText(seconds));
}

QString readableFactor(double ratio) {
    return QString::fromStdString(readableFactorText(ratio));
}

QString readablePercent(double share) {
    return QString::fromStdString(readablePercentText(share));
}

} // namespace faktorlupe::vergleich
