#pragma once

#include "scans/ScanFigures.h"

#include <cstdint>
#include <string>

namespace faktorlupe {

// The page's status line and spoken result after a scan, built from the runtime's plain text
// helpers (secondsWithUnit). A stand-in, kept in this one place, until the window's own status
// line and spoken result come as plain functions the page can call instead.
//
// A browser's clock counts in steps (Chromium's 0.1 ms for a page from a file), so a time below
// ten steps is not exact: it is given as below ten steps, "unter 1 ms", instead.

// "Algorithmus >alle< mit 97: genau 1,2 µs, 96 Kandidaten, 2 Teiler".
std::string statusLineText(int row, std::int32_t zahl, const ScanFigures& figures, double clockStep,
                           const std::string& decimalSeparator);

// "2 Teiler: 1 und 97, 0 Sekunden, genau 1,2 Mikrosekunden": the list read as words where it is
// short, the count alone where it is long, the time as its box shows it and the exact time.
std::string spokenResultText(const std::string& list, const ScanFigures& figures,
                             const std::string& timeText, double clockStep,
                             const std::string& decimalSeparator);

} // namespace faktorlupe
