#pragma once

#include <string>
#include <string_view>

namespace faktorlupe {

// A browser's clock counts in steps, to keep pages from timing what they should not: for a page
// opened from a file Chromium's are 0.1 ms, Firefox's 1 ms. A scan shorter than ten steps is
// measured no better than to a step, so the page follows the result texts with how finely it
// measures; from ten steps on, the texts stand as the window's do.

// " (der Browser misst auf 0,1 ms genau)" after the status line, or "".
std::string clockStepNote(double seconds, double clockStep, std::string_view decimalSeparator);

// " (der Browser misst auf 0,1 Millisekunden genau)" after what is spoken, or "".
std::string spokenClockStepNote(double seconds, double clockStep,
                                std::string_view decimalSeparator);

// A time below one step measures as 0, which a text would give as "genau 0 Sekunden": there
// the exact time becomes "unter" the step, "unter 100 Mikrosekunden" (or "mit 97: unter 0,1 ms"
// in the status line). Other times and texts stay as they are.
std::string belowOneStep(std::string text, double seconds, double clockStep,
                         std::string_view decimalSeparator);

} // namespace faktorlupe
