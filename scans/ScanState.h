#pragma once

#include <cstdint>
#include <string>

namespace faktorlupe {

// The main form's scan state: created zeroed with the form and overwritten by every scan. There
// is no "running" mark and no reset between scans; a field that a scan does not use keeps its
// value.
struct ScanState final {
    // The loop counter all three scans share. A double, so that it can hold 2147483648, the
    // first candidate past the largest bound.
    double kandidat = 0;
    // The number being examined, read from the input box at the start of every scan.
    std::int32_t zahl = 0;
    // The stopwatch reading, in hundredths of a second, taken when the running scan started.
    float startZeit = 0;
    // Root scan only: the small divisors, ascending, as " 71 -" entries.
    std::string listeLinks;
    // Root scan only: their co-divisors, ascending, as " 10103 -" entries.
    std::string listeRechts;
};

} // namespace faktorlupe
