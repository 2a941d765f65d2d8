#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <QString>
#include <vector>

namespace faktorlupe::vergleich {

// Writes the CSV for German spreadsheets (vergleich/readable/SpreadsheetCsvText.h) whole (see
// FileWriting.h). Returns an empty text on success, else a German sentence saying what went
// wrong.
QString writeSpreadsheetCsvFile(const QString& path, const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
