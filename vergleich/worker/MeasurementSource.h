#pragma once

#include "vergleich/measurement/NumberFigures.h"
#include "vergleich/measurement/Problem.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace faktorlupe::vergleich {

// How a measurement ended: with every number measured, stopped on request, or failed.
struct MeasurementEnd {
    bool stopped = false;
    Problem<QString> failure; // why it failed
};

// Where the comparison window's figures come from: measures numbers one after another and hands
// over each number's figures as soon as they are there. The window owns it and reads from it; a
// test can put one of its own in its place.
class MeasurementSource {
public:
    // Both are called on the thread that called start(), from its event loop, and never once the
    // source is destroyed.
    using Delivered = std::function<void(const NumberFigures&)>;
    using Finished = std::function<void(const MeasurementEnd&)>;

    virtual ~MeasurementSource() = default;

    // Measures the numbers in order, then says how it ended. Only one measurement runs at a time.
    virtual void start(std::vector<std::int32_t> numbers, Delivered delivered,
                       Finished finished) = 0;
    // Asks the running measurement to stop after the run of a scan that is going on; finished
    // follows, with stopped set unless the last number was done already.
    virtual void stop() = 0;

protected:
    MeasurementSource() = default;
    MeasurementSource(const MeasurementSource&) = default;
    MeasurementSource& operator=(const MeasurementSource&) = default;
};

} // namespace faktorlupe::vergleich
