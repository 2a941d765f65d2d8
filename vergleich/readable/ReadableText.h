#pragma once

#include <string>

namespace faktorlupe::vergleich {

// Numbers as pupils read them (UTF-8), for the chart's axes, its tooltips and the tables; the
// CSV file keeps the machine-readable forms.

// All digits of a whole number, with a no-break space between groups of three: "1 600 000 009".
std::string groupedDigitsText(long long value);

// A whole number in German: "10", "1 000", "250 000", and from a million on in words with up
// to two decimals, "1 Mio.", "2,5 Mio.", "1 Mrd.".
std::string readableNumberText(double value);

// A duration with the unit that suits it and a decimal comma, to three significant digits:
// "447 ns", "12,5 µs", "3,1 ms", "0,62 s", "2 s"; none at all is "0".
std::string readableSecondsText(double seconds);

// How many times one time is another, as pupils read it off a table: "× 2,0", "× 1,4", "× 0,5",
// one decimal below ten and whole numbers from ten on ("× 16"), two significant digits below a
// tenth ("× 0,048").
std::string readableFactorText(double ratio);

// The same factor as a spreadsheet reads a number: "2,0", "1234", "0,048".
std::string plainFactorText(double ratio);

// A share in whole percent: "35 %".
std::string readablePercentText(double share);

} // namespace faktorlupe::vergleich
