#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <string>
#include <vector>

namespace faktorlupe::vergleich {

// The figures as a German spreadsheet (LibreOffice Calc, Excel) opens them under a German
// locale: fields separated by semicolons, times in milliseconds with a decimal comma, without an
// exponent and in quotes (which keep LibreOffice from splitting them at the comma), numbers
// without grouping, headings in German, one line a number from the smallest to the largest,
// lines ending in CR LF. After each time comes its factor to the line above, as the window's
// table shows it but as a number ("2,0"; empty on the first line). It starts with a UTF-8 byte
// order mark, by which both spreadsheets know that "Hälfte" is UTF-8. The CSV for scripts
// (ScriptCsv.h) stays as it is.
std::string spreadsheetCsvText(const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
