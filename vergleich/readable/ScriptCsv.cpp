#include "vergleich/readable/ScriptCsv.h"

#include "runtime/FloatChars.h"

#include <string>

namespace faktorlupe::vergleich {
namespace {

// Every digit needed to read the value back, with a decimal point, and no more:
// "8.896190777065258e-06", "0.625". The fewest digits that read back as the same value, found by
// trying, since the page's C++ library has no shortest std::to_chars for doubles.
std::string exactSeconds(double seconds) {
    char buffer[32];
    std::string_view text;
    for (int digits = 1; digits <= 17; ++digits) {
        const auto written = doubleToChars(buffer, buffer + sizeof buffer, seconds,
                                           std::chars_format::general, digits);
        text = std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer));
        double readBack = 0;
        doubleFromChars(text.data(), text.data() + text.size(), readBack);
        if (readBack == seconds)
            break;
    }
    return std::string(text);
}

} // namespace

std::string csvText(const std::vector<NumberFigures>& figures) {
    std::string csv = "zahl,teiler";
    for (const ScanRow& scan : kScanRows)
        csv = csv + ",kandidaten_" + scan.asciiName + ",sekunden_" + scan.asciiName;
    csv += '\n';
    for (const NumberFigures& row : figures) {
        csv += std::to_string(row.zahl) + ',' + std::to_string(row.divisors);
        for (const ScanFigures& scan : row.scans)
            csv += ',' + std::to_string(scan.candidates) + ',' + exactSeconds(scan.seconds);
        csv += '\n';
    }
    return csv;
}

} // namespace faktorlupe::vergleich
