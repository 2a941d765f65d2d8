#pragma once

namespace faktorlupe {

// Set in the environment of the comparison window that Faktorlupe's main window starts (Ctrl+L):
// the window then takes the numbers that the main window hands it later on its standard input,
// one a line ("97\n"). Only a window started so reads its standard input.
inline constexpr char kNumbersOnStandardInput[] = "FAKTORLUPE_NUMBERS_ON_STDIN";

} // namespace faktorlupe
