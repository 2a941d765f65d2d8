#pragma once

#include <vector>

namespace faktorlupe::vergleich {

// Logarithmic axes show the growth over many orders of magnitude; linear ones show the factor 2
// between "alle" and "Hälfte" directly.
enum class Scale { Logarithmic, Linear };

// Where a value lies on an axis of the scale: its logarithm on a logarithmic one.
double axisPosition(double value, Scale scale);

// The stretch of an axis, in axis positions, and the values labelled on it.
struct AxisSpan {
    double low = 0;
    double high = 1;
    std::vector<double> ticks;
};

// The span that shows the values from lowest to highest and ends just past them, not at the next
// power of ten: a logarithmic axis starts and ends a little beyond them and is labelled at the
// powers of ten inside, and at 2 and 5 times them where fewer than three would be; a linear one
// starts at 0 and is labelled at steps of 1, 2 or 5 times a power of ten.
AxisSpan spanOf(double lowest, double highest, Scale scale);

} // namespace faktorlupe::vergleich
