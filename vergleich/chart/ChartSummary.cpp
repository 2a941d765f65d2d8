#include "vergleich/chart/ChartSummary.h"

#include "vergleich/chart/ChartGuide.h"
#include "vergleich/readable/ReadableText.h"

#include <algorithm>

namespace faktorlupe::vergleich {
namespace {

// A sentence ends with one full stop, also after an abbreviation: "bis 1,6 Mrd.", not "Mrd..".
std::string sentence(const std::string& text) {
    return !text.empty() && text.back() == '.' ? text : text + '.';
}

std::string joined(const std::vector<std::string>& parts, const std::string& between) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : between) + part;
    return text;
}

// "Algorithmus >alle< wächst wie n, >Hälfte< wie n, >Wurzel< wie die Wurzel von n.", from the
// guides the chart draws; empty when the numbers lie too close together to tell.
std::string growthSentence(const std::vector<NumberFigures>& figures) {
    std::vector<std::string> scans;
    for (std::size_t scan = 0; scan < kScanCount; ++scan)
        if (const std::string growth = heardGrowthText(figures, scan); !growth.empty()) {
            std::string part = ">";
            part.append(kScanRows[scan].name).append("< ");
            part.append(scans.empty() ? "wächst wie " : "wie ").append(growth);
            scans.push_back(part);
        }
    return scans.empty() ? std::string() : " Algorithmus " + joined(scans, ", ") + ".";
}

} // namespace

std::string chartSummaryText(const std::vector<NumberFigures>& figures) {
    if (figures.empty())
        return "Noch keine Messwerte.";
    const auto [smallest, largest] = std::minmax_element(
        figures.begin(), figures.end(),
        [](const NumberFigures& a, const NumberFigures& b) { return a.zahl < b.zahl; });
    const std::string text =
        sentence(figures.size() == 1 ? "1 Zahl: " + readableNumberText(smallest->zahl)
                                     : std::to_string(figures.size()) + " Zahlen von " +
                                           readableNumberText(smallest->zahl) + " bis " +
                                           readableNumberText(largest->zahl));
    std::vector<std::string> scans;
    for (std::size_t scan = 0; scan < kScanCount; ++scan) {
        const auto time = [scan](const NumberFigures& row) { return row.scans[scan].seconds; };
        const auto [fastest, slowest] = std::minmax_element(
            figures.begin(), figures.end(),
            [&](const NumberFigures& a, const NumberFigures& b) { return time(a) < time(b); });
        scans.push_back("Algorithmus >" + std::string(kScanRows[scan].name) + "<: von " +
                        readableSecondsText(time(*fastest)) + " bis " +
                        readableSecondsText(time(*slowest)));
    }
    return text + " " + joined(scans, "; ") + "." + growthSentence(figures);
}

} // namespace faktorlupe::vergleich
