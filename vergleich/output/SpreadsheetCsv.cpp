#include "vergleich/output/SpreadsheetCsv.h"

#include "vergleich/output/FileWriting.h"
#include "vergleich/readable/SpreadsheetCsvText.h"

#include <sstream>

namespace faktorlupe::vergleich {

QString writeSpreadsheetCsvFile(const QString& path, const std::vector<NumberFigures>& figures) {
    std::ostringstream csv;
    writeSpreadsheetCsv(csv, figures);
    return writeWholeFile(path, QByteArray::fromStdString(csv.str()));
}

} // namespace faktorlupe::vergleich
