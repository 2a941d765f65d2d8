#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <QString>
#include <ostream>
#include <vector>

namespace faktorlupe::vergleich {

// The figures as a German spreadsheet (LibreOffice Calc, Excel) opens them under a German
// locale: fields separated by semicolons, times in milliseconds with a decimal comma, without an
// exponent and in quotes (which keep LibreOffice from splitting them at the comma), numbers
// without grouping, headings in German, one line a number from the smallest to the largest,
// lines ending in CR LF. It starts with a UTF-8 byte order mark, by which both spreadsheets know
// that "Hälfte" is UTF-8. --csv stays the plain CSV for scripts.
void writeSpreadsheetCsv(std::ostream& out, const std::vector<NumberFigures>& figures);

// Writes it whole (see FileWriting.h). Returns an empty text on success, else a German sentence
// saying what went wrong.
QString writeSpreadsheetCsvFile(const QString& path, const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
