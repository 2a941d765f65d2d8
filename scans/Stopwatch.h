#pragma once

#include <functional>
#include <string>

namespace faktorlupe {

// Times a scan in hundredths of a second since local midnight, as the program always has: each
// reading is written as 7-digit text with the user's decimal separator and read back by a reader
// that knows only ".". So under a decimal-comma locale a reading is cut at the comma and only
// whole hundredths count, and from 1000000 hundredths (02:46:40) on the text has no fraction at
// all. The elapsed time is shown in seconds with up to 15 significant digits.
class Stopwatch final {
public:
    // Seconds since local midnight, in single precision.
    using Clock = std::function<float()>;
    // Seconds from a clock that never jumps, in double precision.
    using PreciseClock = std::function<double()>;

    // The wall clock, the user's decimal separator and the system's monotonic clock.
    Stopwatch();
    Stopwatch(Clock clock, std::string decimalSeparator, PreciseClock precise = monotonicSeconds);

    // A reading in hundredths, after its round trip through text.
    double reading() const;
    // The start reading, which the scan keeps in single precision.
    float startReading() const { return static_cast<float>(reading()); }
    // The seconds since the start reading, as text, given the seconds a clock that never jumps
    // counted over the same span. When the wall clock jumped during the span (midnight, a
    // daylight-saving switch, NTP, a person setting it), its difference disagrees with the
    // precise seconds by far more than its readings' rounding can, and the precise seconds are
    // shown instead, written as the stopwatch writes its own: a scan across midnight shows its
    // true time, not a negative one, and 1.5 s across the spring switch, not 3601.5 s. An end
    // reading only slightly below the start is the start's rounding to single precision, not
    // time running backwards: at 00:30 under a decimal point the reading 180000.7 is kept as
    // 180000.703125, and no time passed shows 0, not a whole day.
    std::string elapsedText(float startZeit, double preciseSeconds) const;

    // The decimal separator of the texts this stopwatch writes.
    const std::string& decimalSeparator() const { return m_decimalSeparator; }

    // A reading of the precise clock, for the span the time box cannot resolve.
    double preciseSeconds() const { return m_precise(); }
    static double monotonicSeconds();

private:
    // Hundredths written as 7-digit text and read back, as every reading is.
    double throughText(float hundredths) const;

    Clock m_clock;
    std::string m_decimalSeparator;
    PreciseClock m_precise;
};

} // namespace faktorlupe
