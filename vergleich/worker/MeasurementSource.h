#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace faktorlupe::vergleich {

// Where the comparison window's figures come from: measures numbers one after another and hands
// over each number's figures as soon as they are there. The window reads from it; a test can
// put one of its own in its place.
class MeasurementSource {
public:
    // Both are called on the thread that called start(), from its event loop.
    using Delivered = std::function<void(const NumberFigures&)>;
    using Finished = std::function<void(bool stopped)>;

    virtual ~MeasurementSource() = default;

    // Measures the numbers in order. Only one measurement runs at a time.
    virtual void start(std::vector<std::int32_t> numbers, Delivered delivered,
                       Finished finished) = 0;
    // Asks the running measurement to stop after the run of a scan that is going on; finished
    // follows with stopped set.
    virtual void stop() = 0;

protected:
    MeasurementSource() = default;
    MeasurementSource(const MeasurementSource&) = default;
    MeasurementSource& operator=(const MeasurementSource&) = default;
};

} // namespace faktorlupe::vergleich
