#pragma once

#include "scans/Box.h"
#include "scans/Scans.h"

#include <array>
#include <cstddef>

namespace faktorlupe {

// Everything that tells one scan from the others, one row a scan, in the order the form shows
// them. The form, the page and the comparison all take their scans from here, so that a new scan
// is a new row (and its controls in the layout table), not a change in each of them.
struct ScanRow {
    ScanFigures (*run)(ScanState& state, FormView& view, const Stopwatch& stopwatch);
    Box result;
    Box time;
    // The controls of its row in the layout table: the button that runs it and the "x" that
    // empties its two boxes.
    const char* scanButton;
    const char* clearButton;
    // As the comparison names it in its table, chart and files: "Zeit Hälfte".
    const char* name;
    // The same in the letters a script's field name may hold: "sekunden_haelfte".
    const char* asciiName;
};

inline constexpr std::array<ScanRow, 3> kScanRows = {{
    {runFullScan, Box::txtAlle, Box::txtZeitAlle, "cmdAlle", "Command1", "alle", "alle"},
    {runHalfScan, Box::txtHalbe, Box::txtZeitHalbe, "cmdHalbe", "Command2", "Hälfte", "haelfte"},
    {runRootScan, Box::txtWurzel, Box::txtZeitWurzel, "cmdWurzel", "Command3", "Wurzel", "wurzel"},
}};

inline constexpr std::size_t kScanCount = kScanRows.size();

} // namespace faktorlupe
