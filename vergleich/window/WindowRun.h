#pragma once

#include "vergleich/output/Chart.h"

#include <cstdint>
#include <memory>
#include <vector>

class QApplication;

namespace faktorlupe::vergleich {

// The application of the run with a window, ready for the desktop; Qt has taken its own options
// (-style Fusion, -platform xcb) out of argc and argv. Without a display that can be reached,
// the program ends with a German sentence and status 2.
std::unique_ptr<QApplication> startWindowApplication(int& argc, char* argv[]);

// The run with a window: opens "Faktorlupe – Laufzeitvergleich" on the scale given, measures the
// numbers in it and returns the program's exit status when the window is closed.
int runComparisonWindow(const std::vector<std::int32_t>& numbers, Scale scale);

} // namespace faktorlupe::vergleich
