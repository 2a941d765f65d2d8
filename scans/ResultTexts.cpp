#include "scans/ResultTexts.h"

#include "runtime/DurationText.h"
#include "runtime/SignificantDigits.h"

#include <vector>

namespace faktorlupe {
namespace {

// A list entry is " -" followed by the number's text, which starts with a blank when the number
// is positive and with its sign when it is negative: "1 - 6", "1 --6".
std::vector<std::string_view> divisorEntries(std::string_view list) {
    std::vector<std::string_view> entries;
    while (!list.empty()) {
        const std::size_t separator = list.find(" -");
        std::string_view entry = list.substr(0, separator);
        while (!entry.empty() && entry.front() == ' ')
            entry.remove_prefix(1);
        if (!entry.empty())
            entries.push_back(entry);
        if (separator == std::string_view::npos)
            break;
        list.remove_prefix(separator + 2);
    }
    return entries;
}

struct SpokenUnit {
    std::string_view symbol;
    const char* one;
    const char* many;
};

constexpr SpokenUnit kSpokenUnits[] = {{"s", "Sekunde", "Sekunden"},
                                       {"ms", "Millisekunde", "Millisekunden"},
                                       {"µs", "Mikrosekunde", "Mikrosekunden"},
                                       {"ns", "Nanosekunde", "Nanosekunden"}};

constexpr std::string_view kNoBreakSpace = "\u00A0";

std::string counted(std::int64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// A time with its unit; no time at all has no unit of its own and is written in seconds.
std::string durationWithUnit(double seconds, std::string_view decimalSeparator) {
    return seconds == 0 ? "0\u00A0s" : secondsWithUnit(seconds, decimalSeparator);
}

// "2,41 ms · 717312 Kandidaten · 4 Teiler"
std::string writtenFigures(const std::string& time, std::int64_t candidates,
                           std::int64_t divisors) {
    return time + " · " + counted(candidates, "Kandidat", "Kandidaten") + " · " +
           counted(divisors, "Teiler", "Teiler");
}

} // namespace

std::string spokenDivisorList(std::string_view resultBoxText) {
    const std::vector<std::string_view> entries = divisorEntries(resultBoxText);
    std::string spoken;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            spoken += i + 1 == entries.size() ? " und " : ", ";
        spoken += entries[i];
    }
    return spoken;
}

std::string spokenDuration(double seconds, std::string_view decimalSeparator) {
    const std::string written = durationWithUnit(seconds, decimalSeparator);
    const std::size_t space = written.find(kNoBreakSpace);
    const std::string_view figure = std::string_view(written).substr(0, space);
    const std::string_view symbol = std::string_view(written).substr(space + kNoBreakSpace.size());
    for (const SpokenUnit& unit : kSpokenUnits)
        if (unit.symbol == symbol)
            return std::string(figure) + " " + (figure == "1" ? unit.one : unit.many);
    return written;
}

std::string spokenResult(std::int64_t divisors, std::string_view resultBoxText,
                         std::string_view timeBoxText, double seconds,
                         std::string_view decimalSeparator) {
    std::string spoken = std::to_string(divisors) + " Teiler";
    if (divisors <= kDivisorsReadOut)
        if (const std::string list = spokenDivisorList(resultBoxText); !list.empty())
            spoken += ": " + list;
    spoken += ", " + std::string(timeBoxText) + (timeBoxText == "1" ? " Sekunde" : " Sekunden");
    return spoken + ", genau " + spokenDuration(seconds, decimalSeparator);
}

std::string spokenFigures(double seconds, std::int64_t candidates, std::int64_t divisors,
                          std::string_view decimalSeparator) {
    return "genau " + spokenDuration(seconds, decimalSeparator) + ", " +
           counted(candidates, "Kandidat", "Kandidaten") + ", " +
           counted(divisors, "Teiler", "Teiler");
}

std::string statusLineText(std::string_view rowName, std::int64_t number, double seconds,
                           std::int64_t candidates, std::int64_t divisors,
                           std::string_view decimalSeparator) {
    return std::string(rowName) + " mit " + std::to_string(number) + ": " +
           writtenFigures(durationWithUnit(seconds, decimalSeparator), candidates, divisors);
}

std::string preciseFiguresText(const ScanFigures& figures, std::string_view decimalSeparator) {
    return writtenFigures("genau " + significantDigitsText(figures.seconds, 3, decimalSeparator) +
                              " s",
                          figures.candidates, figures.divisors);
}

std::string spokenStatusLine(std::string_view spokenRowName, std::int64_t number, double seconds,
                             std::int64_t candidates, std::int64_t divisors,
                             std::string_view decimalSeparator) {
    return std::string(spokenRowName) + " mit " + std::to_string(number) + ": " +
           spokenFigures(seconds, candidates, divisors, decimalSeparator);
}

ResultDescription describeResult(std::string_view rowName, std::string_view spokenRowName,
                                 std::int64_t number, const ScanFigures& figures,
                                 std::string_view resultBoxText, std::string_view timeBoxText,
                                 std::string_view decimalSeparator) {
    const auto [candidates, divisors, seconds] = figures;
    return {
        statusLineText(rowName, number, seconds, candidates, divisors, decimalSeparator),
        spokenStatusLine(spokenRowName, number, seconds, candidates, divisors, decimalSeparator),
        spokenResult(divisors, resultBoxText, timeBoxText, seconds, decimalSeparator),
        spokenFigures(seconds, candidates, divisors, decimalSeparator)};
}

} // namespace faktorlupe
