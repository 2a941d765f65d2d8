#include "vergleich/readable/ScriptCsv.h"

#include <iomanip>
#include <locale>
#include <sstream>
#include <string>

namespace faktorlupe::vergleich {
namespace {

// Every digit needed to read the value back, with a decimal point, and no more:
// "8.896190777065258e-06", "0.625". The fewest digits that read back as the same value, found by
// trying, since the page's C++ library has no std::to_chars for doubles; in the classic locale,
// since under de_DE a C formatting function writes a decimal comma.
std::string exactSeconds(double seconds) {
    std::string text;
    for (int digits = 1; digits <= 17; ++digits) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out << std::setprecision(digits) << seconds;
        text = out.str();
        std::istringstream in(text);
        in.imbue(std::locale::classic());
        double readBack = 0;
        if (in >> readBack && readBack == seconds)
            break;
    }
    return text;
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
