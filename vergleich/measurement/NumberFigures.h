#pragma once

#include "scans/ScanFigures.h"
#include "scans/ScanTable.h"

#include <array>
#include <cstdint>
#include <vector>

namespace faktorlupe::vergleich {

using faktorlupe::kScanCount;
using faktorlupe::kScanRows;

// The fastest and the slowest of the measurements a scan's figure is the median of, in seconds
// per run. Far apart, they say that something else ran on the machine meanwhile.
struct MeasuredRange {
    double fastest = 0;
    double slowest = 0;
};

// What the three scans of one number cost. Each scan's candidates and divisors are the ones the
// scan itself reports; its seconds are the median of one run as measured here.
struct NumberFigures {
    std::int32_t zahl = 0;
    std::int64_t divisors = 0;
    std::array<ScanFigures, kScanCount> scans;
    std::array<MeasuredRange, kScanCount> ranges{};
};

// How far the slowest measurement lies above the fastest, as a share of the fastest: 0.35 when
// one took 1.62 ms and the other 1.2 ms; 0 where nothing was measured.
double spreadOf(const MeasuredRange& range);

// A spread above 20 %: the time is not to be trusted, and a pupil should see that.
bool isNoisy(const MeasuredRange& range);

// The figures ordered by their number, numbers measured twice in the order they came.
std::vector<NumberFigures> sortedByNumber(std::vector<NumberFigures> figures);

} // namespace faktorlupe::vergleich
