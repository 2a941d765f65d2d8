#pragma once

#include "scans/Box.h"

#include <iterator>

namespace faktorlupe {

// The page's three rows, as the window binds them: each scan button runs its scan into its
// result and time box, and the row's "x" button empties those two boxes. Controls are named as
// in the layout table, which is also each control's element id on the page.
struct PageRow {
    const char* scanButton;
    const char* clearButton;
    Box result;
    Box time;
};

inline constexpr PageRow kPageRows[] = {
    {"cmdAlle", "Command1", Box::txtAlle, Box::txtZeitAlle},
    {"cmdHalbe", "Command2", Box::txtHalbe, Box::txtZeitHalbe},
    {"cmdWurzel", "Command3", Box::txtWurzel, Box::txtZeitWurzel},
};

inline constexpr int kPageRowCount = static_cast<int>(std::size(kPageRows));

} // namespace faktorlupe
