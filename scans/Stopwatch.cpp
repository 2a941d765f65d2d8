#include "scans/Stopwatch.h"

#include "runtime/Clock.h"
#include "runtime/DecimalSeparator.h"
#include "runtime/NumberFromText.h"
#include "runtime/NumberText.h"

#include <chrono>
#include <cmath>
#include <utility>

namespace faktorlupe {
namespace {

// How far the wall clock's difference may lie from the precise one before it counts as a step of
// the clock. Each reading may miss the true time by up to 0.4 hundredth (the seconds kept in
// single precision, 2^-8 s below a day), 0.5 (the product with 100 in single precision, whose
// step is 1 from 2^23 hundredths on) and 1 (the cut at a decimal comma, or the rounding to seven
// digits); the start another 0.5 for its single precision. So two readings of a steady clock
// differ from the true span by at most about 4.3 hundredths, and a step of the clock is at least
// a second, 100 hundredths: 10 leaves room both ways.
constexpr double kStepHundredths = 10;

} // namespace

Stopwatch::Stopwatch() : Stopwatch(secondsSinceMidnight, userDecimalSeparator()) {}

Stopwatch::Stopwatch(Clock clock, std::string decimalSeparator, PreciseClock precise)
    : m_clock(std::move(clock)), m_decimalSeparator(std::move(decimalSeparator)),
      m_precise(std::move(precise)) {}

double Stopwatch::monotonicSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double Stopwatch::throughText(float hundredths) const {
    return numberFromText(textOfSingle(hundredths, m_decimalSeparator));
}

double Stopwatch::reading() const {
    return throughText(m_clock() * 100.0f);
}

std::string Stopwatch::elapsedText(float startZeit, double preciseSeconds) const {
    double hundredths = reading() - startZeit;
    const double precise = preciseSeconds * 100;
    if (std::abs(hundredths - precise) > kStepHundredths)
        hundredths = throughText(static_cast<float>(precise));
    else if (hundredths < 0)
        hundredths = 0;
    return textOfDouble(hundredths / 100.0, m_decimalSeparator);
}

} // namespace faktorlupe
