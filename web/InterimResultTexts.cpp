#include "web/InterimResultTexts.h"

#include "form/LayoutTable.h"
#include "runtime/DurationText.h"
#include "web/PageRows.h"

#include <string_view>
#include <vector>

namespace faktorlupe {
namespace {

// Lists longer than this are announced by their count alone.
constexpr std::size_t kSpokenDivisors = 12;

std::string captionOf(std::string_view name) {
    for (const ControlSpec& control : kControls)
        if (name == control.name)
            return control.text;
    return std::string(name);
}

// The entries of a divisor list: " - 71" and " --6" are " -" followed by the entry.
std::vector<std::string> entriesOf(const std::string& list) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = list.find(" -", start);
        std::string entry = list.substr(start, end == std::string::npos ? end : end - start);
        if (!entry.empty() && entry.front() == ' ')
            entry.erase(0, 1);
        entries.push_back(entry);
        if (end == std::string::npos)
            return entries;
        start = end + 2;
    }
}

// A duration as words: "1,2 Mikrosekunden" for "1,2 µs", "1 Millisekunde" for "1 ms".
std::string spokenDuration(double seconds, const std::string& decimalSeparator) {
    struct Word {
        std::string_view unit;
        std::string_view one;
        std::string_view many;
    };
    constexpr Word kWords[] = {
        {"\u00A0ns", " Nanosekunde", " Nanosekunden"},
        {"\u00A0µs", " Mikrosekunde", " Mikrosekunden"},
        {"\u00A0ms", " Millisekunde", " Millisekunden"},
        {"\u00A0s", " Sekunde", " Sekunden"},
    };
    const std::string text = secondsWithUnit(seconds, decimalSeparator);
    for (const Word& word : kWords) {
        if (text.size() > word.unit.size() &&
            text.compare(text.size() - word.unit.size(), word.unit.size(), word.unit) == 0) {
            const std::string number = text.substr(0, text.size() - word.unit.size());
            return number + std::string(number == "1" ? word.one : word.many);
        }
    }
    return text + " Sekunden";
}

// Below this many steps of the clock a time is given as a bound.
constexpr double kExactFromSteps = 10;

bool belowTheClock(double seconds, double clockStep) {
    return seconds < kExactFromSteps * clockStep;
}

} // namespace

std::string statusLineText(int row, std::int32_t zahl, const ScanFigures& figures, double clockStep,
                           const std::string& decimalSeparator) {
    const std::string time =
        belowTheClock(figures.seconds, clockStep)
            ? "unter " + secondsWithUnit(kExactFromSteps * clockStep, decimalSeparator)
            : "genau " + secondsWithUnit(figures.seconds, decimalSeparator);
    return captionOf(kPageRows[row].scanButton) + " mit " + std::to_string(zahl) + ": " + time +
           ", " + std::to_string(figures.candidates) +
           (figures.candidates == 1 ? " Kandidat, " : " Kandidaten, ") +
           std::to_string(figures.divisors) + " Teiler";
}

std::string spokenResultText(const std::string& list, const ScanFigures& figures,
                             const std::string& timeText, double clockStep,
                             const std::string& decimalSeparator) {
    std::string text = std::to_string(figures.divisors) + " Teiler";
    const std::vector<std::string> entries = entriesOf(list);
    if (entries.size() <= kSpokenDivisors) {
        text += ": ";
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (i > 0)
                text += i + 1 == entries.size() ? " und " : ", ";
            text += entries[i];
        }
    }
    text += ", " + timeText + " Sekunden, ";
    if (belowTheClock(figures.seconds, clockStep))
        return text + "unter " + spokenDuration(kExactFromSteps * clockStep, decimalSeparator);
    return text + "genau " + spokenDuration(figures.seconds, decimalSeparator);
}

} // namespace faktorlupe
