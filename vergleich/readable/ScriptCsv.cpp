#include "vergleich/readable/ScriptCsv.h"

#include <charconv>
#include <string>

namespace faktorlupe::vergleich {
namespace {

// Every digit needed to read the value back, with a decimal point.
std::string exactSeconds(double seconds) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, seconds);
    return std::string(buffer, result.ptr);
}

} // namespace

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

} // namespace faktorlupe::vergleich
