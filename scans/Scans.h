#pragma once

#include "scans/FormView.h"
#include "scans/ScanFigures.h"
#include "scans/ScanState.h"
#include "scans/Stopwatch.h"

namespace faktorlupe {

// The three ways of finding the divisors of the number in the input box. They differ only in
// the candidates they test with the one divisor test, and each follows the same order: read the
// input, prepare, yield once to the window, prepare the box, start the stopwatch, work out the
// bound, loop, close the list, write the time. The time covers the bound, the loop with all its
// box writes and the closing write. A run-time error (an input outside the 32-bit range, a
// negative input to the root scan) leaves the scan at once; what was written before stays.
// Each returns its figures: candidates tested, divisors listed and the precise seconds.

// Every candidate up to the number ("Algorithmus >alle<"): writes txtAlle and txtZeitAlle.
ScanFigures runFullScan(ScanState& state, FormView& view, const Stopwatch& stopwatch);

// Every candidate up to half the number, then the number itself ("Algorithmus >Hälfte<"):
// writes txtHalbe and txtZeitHalbe.
ScanFigures runHalfScan(ScanState& state, FormView& view, const Stopwatch& stopwatch);

// Every candidate up to the square root, each divisor with its co-divisor ("Algorithmus
// >Wurzel<"): writes txtWurzel and txtZeitWurzel.
ScanFigures runRootScan(ScanState& state, FormView& view, const Stopwatch& stopwatch);

} // namespace faktorlupe
