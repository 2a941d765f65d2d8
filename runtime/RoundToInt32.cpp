#include "runtime/RoundToInt32.h"

#include "runtime/RuntimeError.h"

#include <cmath>

namespace faktorlupe {

std::int32_t roundToInt32(double value) {
    // Worked out explicitly rather than with rint(), so that the result does not depend on the
    // floating-point rounding mode someone else may have set.
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    if (!(whole >= -2147483648.0 && whole <= 2147483647.0))
        throw RuntimeError(ErrorNumber::Overflow);
    return static_cast<std::int32_t>(whole);
}

} // namespace faktorlupe
