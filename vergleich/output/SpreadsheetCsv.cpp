#include "vergleich/output/SpreadsheetCsv.h"

#include "runtime/SignificantDigits.h"
#include "vergleich/output/FileWriting.h"

#include <sstream>

namespace faktorlupe::vergleich {
namespace {

// Enough digits for every digit the clock gives at these times, none made up.
constexpr int kDigits = 6;

// In quotes, since LibreOffice's import dialog splits fields at commas as well as semicolons
// until the user unticks "Komma": "0,602785" would come in as 0 and 602785. A quoted number is
// still a number to both spreadsheets.
std::string milliseconds(double seconds) {
    return '"' + significantDigitsText(seconds * 1000, kDigits, ",") + '"';
}

} // namespace

void writeSpreadsheetCsv(std::ostream& out, const std::vector<NumberFigures>& figures) {
    out << "\xEF\xBB\xBF"
        << "Zahl;Teiler";
    for (const char* name : kScanNames)
        out << ";Kandidaten " << name << ";Zeit " << name << " (ms)";
    out << "\r\n";
    for (const NumberFigures& row : sortedByNumber(figures)) {
        out << row.zahl << ';' << row.divisors;
        for (const ScanFigures& scan : row.scans)
            out << ';' << scan.candidates << ';' << milliseconds(scan.seconds);
        out << "\r\n";
    }
}

QString writeSpreadsheetCsvFile(const QString& path, const std::vector<NumberFigures>& figures) {
    std::ostringstream csv;
    writeSpreadsheetCsv(csv, figures);
    return writeWholeFile(path, QByteArray::fromStdString(csv.str()));
}

} // namespace faktorlupe::vergleich
