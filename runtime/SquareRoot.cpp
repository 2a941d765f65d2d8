#include "runtime/SquareRoot.h"

#include "runtime/RuntimeError.h"

#include <cmath>

namespace faktorlupe {

double squareRoot(double value) {
    if (value < 0 || std::isnan(value))
        throw RuntimeError(ErrorNumber::InvalidArgument);
    return std::sqrt(value);
}

} // namespace faktorlupe
