#include "web/ClockStepNote.h"

#include "runtime/DurationText.h"
#include "scans/ResultTexts.h"

namespace faktorlupe {
namespace {

// From this many steps on a time is good to a tenth.
constexpr double kFineFromSteps = 10;

bool coarse(double seconds, double clockStep) {
    return seconds < kFineFromSteps * clockStep;
}

void replaceFirst(std::string& text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
}

} // namespace

std::string clockStepNote(double seconds, double clockStep, std::string_view decimalSeparator) {
    if (!coarse(seconds, clockStep))
        return "";
    return " (der Browser misst auf " + secondsWithUnit(clockStep, decimalSeparator) + " genau)";
}

std::string spokenClockStepNote(double seconds, double clockStep,
                                std::string_view decimalSeparator) {
    if (!coarse(seconds, clockStep))
        return "";
    return " (der Browser misst auf " + spokenDuration(clockStep, decimalSeparator) + " genau)";
}

std::string belowOneStep(std::string text, double seconds, double clockStep,
                         std::string_view decimalSeparator) {
    if (seconds >= clockStep)
        return text;
    replaceFirst(text, "genau " + spokenDuration(seconds, decimalSeparator),
                 "unter " + spokenDuration(clockStep, decimalSeparator));
    replaceFirst(text, ": " + secondsWithUnit(seconds, decimalSeparator) + " ",
                 ": unter " + secondsWithUnit(clockStep, decimalSeparator) + " ");
    return text;
}

} // namespace faktorlupe
