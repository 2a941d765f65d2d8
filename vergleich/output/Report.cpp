#include "vergleich/output/Report.h"

#include "vergleich/output/FileWriting.h"
#include "vergleich/output/ReadableNumbers.h"

#include <charconv>
#include <sstream>

namespace faktorlupe::vergleich {
namespace {

// Every digit needed to read the value back, with a decimal point.
std::string exactSeconds(double seconds) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, seconds);
    return std::string(buffer, result.ptr);
}

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
    for (const char* name : kScanNames)
        out << padLeft(std::string("Kandidaten ") + name, 19)
            << padLeft(std::string("Zeit ") + name, 17);
    out << '\n';
    for (const NumberFigures& row : figures) {
        out << padLeft(std::to_string(row.zahl), 10) << padLeft(std::to_string(row.divisors), 8);
        for (const ScanFigures& scan : row.scans)
            out << padLeft(std::to_string(scan.candidates), 19)
                << padLeft(readableSeconds(scan.seconds).toStdString(), 17);
        out << '\n';
    }
}

void writeCsv(std::ostream& out, const std::vector<NumberFigures>& figures) {
    out << "zahl,teiler,kandidaten_alle,sekunden_alle,kandidaten_haelfte,sekunden_haelfte,"
           "kandidaten_wurzel,sekunden_wurzel\n";
    for (const NumberFigures& row : figures) {
        out << row.zahl << ',' << row.divisors;
        for (const ScanFigures& scan : row.scans)
            out << ',' << scan.candidates << ',' << exactSeconds(scan.seconds);
        out << '\n';
    }
}

QString writeCsvFile(const QString& path, const std::vector<NumberFigures>& figures) {
    std::ostringstream csv;
    writeCsv(csv, figures);
    return writeWholeFile(path, QByteArray::fromStdString(csv.str()));
}

} // namespace faktorlupe::vergleich
