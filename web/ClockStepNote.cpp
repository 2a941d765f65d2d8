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

} // namespace faktorlupe
