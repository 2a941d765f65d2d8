#include "runtime/Clock.h"

#include <chrono>
#include <ctime>

namespace faktorlupe {

float secondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto wholeSeconds = floor<seconds>(now);
    const std::time_t t = system_clock::to_time_t(wholeSeconds);
    std::tm local{};
    localtime_r(&t, &local);
    const double fraction = duration<double>(now - wholeSeconds).count();
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
    return static_cast<float>(seconds);
}

} // namespace faktorlupe
