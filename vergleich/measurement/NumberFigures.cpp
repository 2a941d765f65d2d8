#include "vergleich/measurement/NumberFigures.h"

#include <algorithm>

namespace faktorlupe::vergleich {

namespace {

constexpr double kMostTrustedSpread = 0.2;

} // namespace

double spreadOf(const MeasuredRange& range) {
    return range.fastest > 0 ? range.slowest / range.fastest - 1 : 0;
}

bool isNoisy(const MeasuredRange& range) {
    return spreadOf(range) > kMostTrustedSpread;
}

std::vector<NumberFigures> sortedByNumber(std::vector<NumberFigures> figures) {
    std::stable_sort(
        figures.begin(), figures.end(),
        [](const NumberFigures& a, const NumberFigures& b) { return a.zahl < b.zahl; });
    return figures;
}

} // namespace faktorlupe::vergleich
