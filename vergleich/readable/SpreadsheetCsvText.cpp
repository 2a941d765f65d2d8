#include "vergleich/readable/SpreadsheetCsvText.h"

#include "runtime/SignificantDigits.h"
#include "vergleich/readable/FigureCells.h"
#include "vergleich/readable/ReadableText.h"

#include <string>

namespace faktorlupe::vergleich {
namespace {

// Enough digits for every digit the clock gives at these times, none made up.
constexpr int kDigits = 6;

// In quotes, since LibreOffice's import dialog splits fields at commas as well as semicolons
// until the user unticks "Komma": "0,602785" would come in as 0 and 602785. A quoted number is
// still a number to both spreadsheets.
std::string quoted(const std::string& number) {
    return '"' + number + '"';
}

std::string milliseconds(double seconds) {
    return quoted(significantDigitsText(seconds * 1000, kDigits, ","));
}

// Empty where the table's cell is: an empty field stays an empty cell, where "0" would be a
// factor a chart draws.
std::string factor(const std::vector<NumberFigures>& rows, std::size_t row, std::size_t scan) {
    const double ratio = factorToRowAbove(rows, row, scan);
    return ratio > 0 ? quoted(plainFactorText(ratio)) : std::string();
}

} // namespace

std::string spreadsheetCsvText(const std::vector<NumberFigures>& figures) {
    std::string csv = "\xEF\xBB\xBF"
                      "Zahl;Teiler";
    for (const ScanRow& scan : kScanRows)
        csv = csv + ";Kandidaten " + scan.name + ";Zeit " + scan.name + " (ms);Faktor " + scan.name;
    csv += "\r\n";
    const std::vector<NumberFigures> rows = sortedByNumber(figures);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        csv += std::to_string(rows[row].zahl) + ';' + std::to_string(rows[row].divisors);
        for (std::size_t scan = 0; scan < kScanCount; ++scan)
            csv += ';' + std::to_string(rows[row].scans[scan].candidates) + ';' +
                   milliseconds(rows[row].scans[scan].seconds) + ';' + factor(rows, row, scan);
        csv += "\r\n";
    }
    return csv;
}

} // namespace faktorlupe::vergleich
