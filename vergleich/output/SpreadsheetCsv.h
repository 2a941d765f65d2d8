#pragma once

#include "vergleich/measurement/NumberFigures.h"
#include "vergleich/measurement/Problem.h"

#include <QString>
#include <vector>

namespace faktorlupe::vergleich {

// Writes the CSV for German spreadsheets (vergleich/readable/SpreadsheetCsvText.h) whole (see
// FileWriting.h).
Problem<QString> writeSpreadsheetCsvFile(const QString& path,
                                         const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
