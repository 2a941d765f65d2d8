#include "vergleich/output/Report.h"

#include "vergleich/output/FileWriting.h"
#include "vergleich/output/ReadableNumbers.h"
#include "vergleich/readable/ScriptCsv.h"

#include <sstream>

namespace faktorlupe::vergleich {
namespace {

// Pads to a width counted in characters, not bytes: "Hälfte" is six wide.
std::string padLeft(const std::string& text, std::size_t width) {
    std::size_t characters = 0;
    for (unsigned char c : text)
        characters += (c & 0xC0) != 0x80;
    return std::string(width > characters ? width - characters : 0, ' ') + text;
}

} // namespace

void writeTable(std::ostream& out, const std::vector<NumberFigures>& figures) {
    out << padLeft("Zahl", 10) << padLeft("Teiler", 8);
    for (const ScanRow& scan : kScanRows)
        out << padLeft(std::string("Kandidaten ") + scan.name, 19)
            << padLeft(std::string("Zeit ") + scan.name, 17);
    out << '\n';
    for (const NumberFigures& row : figures) {
        out << padLeft(std::to_string(row.zahl), 10) << padLeft(std::to_string(row.divisors), 8);
        for (const ScanFigures& scan : row.scans)
            out << padLeft(std::to_string(scan.candidates), 19)
                << padLeft(readableSeconds(scan.seconds).toStdString(), 17);
        out << '\n';
    }
}

Problem<QString> writeCsvFile(const QString& path, const std::vector<NumberFigures>& figures) {
    return writeWholeFile(path, QByteArray::fromStdString(csvText(figures)));
}

} // namespace faktorlupe::vergleich
