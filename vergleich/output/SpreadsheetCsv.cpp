#include "vergleich/output/SpreadsheetCsv.h"

#include "vergleich/output/FileWriting.h"
#include "vergleich/readable/SpreadsheetCsvText.h"

namespace faktorlupe::vergleich {

Problem<QString> writeSpreadsheetCsvFile(const QString& path,
                                         const std::vector<NumberFigures>& figures) {
    return writeWholeFile(path, QByteArray::fromStdString(spreadsheetCsvText(figures)));
}

} // namespace faktorlupe::vergleich
