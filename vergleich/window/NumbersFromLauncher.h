#pragma once

namespace faktorlupe::vergleich {

class ComparisonWindow;

// For the window that Faktorlupe's main window starts (Ctrl+L): takes the numbers it hands over
// later on standard input, one a line, and measures each as if typed into the line and measured,
// bringing the window to the front. When the main window closes, the input ends and the window
// stays open.
void takeNumbersFromStandardInput(ComparisonWindow& window);

} // namespace faktorlupe::vergleich
