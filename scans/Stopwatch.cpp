#include "scans/Stopwatch.h"

#include "runtime/Clock.h"
#include "runtime/DecimalSeparator.h"
#include "runtime/NumberFromText.h"
#include "runtime/NumberText.h"

#include <chrono>
#include <utility>

namespace faktorlupe {
namespace {
constexpr double kHundredthsPerDay = 8640000;
}

Stopwatch::Stopwatch() : Stopwatch(secondsSinceMidnight, userDecimalSeparator()) {}

Stopwatch::Stopwatch(Clock clock, std::string decimalSeparator, PreciseClock precise)
    : m_clock(std::move(clock)), m_decimalSeparator(std::move(decimalSeparator)),
      m_precise(std::move(precise)) {}

double Stopwatch::monotonicSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double Stopwatch::reading() const {
    const float hundredths = m_clock() * 100.0f;
    return numberFromText(textOfSingle(hundredths, m_decimalSeparator));
}

std::string Stopwatch::elapsedText(float startZeit) const {
    double hundredths = reading() - startZeit;
    if (hundredths < -kHundredthsPerDay / 2)
        hundredths += kHundredthsPerDay;
    else if (hundredths < 0)
        hundredths = 0;
    return textOfDouble(hundredths / 100.0, m_decimalSeparator);
}

} // namespace faktorlupe
