#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

namespace faktorlupe::vergleich {

// Runs the engine's three scans of a number through an in-memory form, the same code the window
// runs, and times them with the monotonic clock: a short scan is repeated until one measurement
// spans at least 50 ms, and the figure is the median of three measurements. beforeScan is told
// which scan is about to run (0, 1, 2), for a progress display. stopRequested is asked before
// every run of a scan; when it says yes, MeasurementStopped is raised, so a measurement stops
// after the run that is going on.
NumberFigures measureNumber(std::int32_t zahl,
                            const std::function<void(std::size_t scan)>& beforeScan = {},
                            const std::function<bool()>& stopRequested = {});

// Raised out of measureNumber when it was asked to stop.
class MeasurementStopped final : public std::runtime_error {
public:
    MeasurementStopped() : std::runtime_error("measurement stopped") {}
};

// Raised when the three scans disagree on a number's divisors, which would make its figures
// meaningless.
class ScansDisagree final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raised when the monotonic clock did not move through a million runs of a scan: no figure can
// come from it.
class ClockStandsStill final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One German sentence for a measurement of zahl that ended in an error other than a stop: the
// scans disagreeing, the memory running out, a clock standing still, an error of the scans
// themselves.
std::string failureSentence(std::int32_t zahl, const std::exception& error);

} // namespace faktorlupe::vergleich
