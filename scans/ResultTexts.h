#pragma once

#include "scans/ScanFigures.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace faktorlupe {

// The texts that tell a scan's result in words, for the status line under the form and for what
// a screen reader speaks. Both the desktop window and a browser page use them, so they take only
// numbers and the texts the boxes show, and give UTF-8. They never change what a box shows: the
// boxes keep "1 - 71 - 10103 - 717313", which speech would read as "1 Strich 71 Strich ...".

// How many divisors are still read out one by one; a longer list is told by its count alone.
inline constexpr std::int64_t kDivisorsReadOut = 10;

// A result box's list as it is read aloud: "1 - 71 - 10103 - 717313" gives "1, 71, 10103 und
// 717313", "1 - 1" (the half scan of 1) "1 und 1", and the half scan's "1 --6" of -6 "1 und -6".
// An empty box gives "".
std::string spokenDivisorList(std::string_view resultBoxText);

// A duration in words, to three significant digits with the given decimal separator:
// "1,2 Mikrosekunden", "1 Millisekunde", "0,62 Sekunden", "0 Sekunden".
std::string spokenDuration(double seconds, std::string_view decimalSeparator);

// What is announced when a scan has ended: the divisors (the list itself up to
// kDivisorsReadOut of them), the time as its box shows it and the precise time, e.g.
// "2 Teiler: 1 und 97, 0 Sekunden, genau 1,2 Mikrosekunden" or
// "24 Teiler, 0 Sekunden, genau 3,1 Mikrosekunden".
std::string spokenResult(std::int64_t divisors, std::string_view resultBoxText,
                         std::string_view timeBoxText, double seconds,
                         std::string_view decimalSeparator);

// The precise figures of a scan as a screen reader reads a time box's description:
// "genau 219 Mikrosekunden, 717312 Kandidaten, 4 Teiler".
std::string spokenFigures(double seconds, std::int64_t candidates, std::int64_t divisors,
                          std::string_view decimalSeparator);

// The status line after a scan: the row's name, the number, the precise time with its unit,
// the candidates and the divisors, e.g. "Algorithmus >alle< mit 717313: 2,41 ms · 717312
// Kandidaten · 4 Teiler". number is the one the scan examined (" 12abc" in the box is 12).
std::string statusLineText(std::string_view rowName, std::int64_t number, double seconds,
                           std::int64_t candidates, std::int64_t divisors,
                           std::string_view decimalSeparator);

// What a time box's tooltip says about its row's last scan, finer than the box's hundredths:
// "genau 0,000219 s · 717312 Kandidaten · 4 Teiler", the seconds to three significant digits
// without an exponent.
std::string preciseFiguresText(const ScanFigures& figures, std::string_view decimalSeparator);

// The status line as speech reads it, for a screen reader's status bar command: the row named
// as its button is spoken ("Algorithmus alle", without the brackets), the figures in words,
// e.g. "Algorithmus alle mit 717313: genau 2,41 Millisekunden, 717312 Kandidaten, 4 Teiler".
std::string spokenStatusLine(std::string_view spokenRowName, std::int64_t number, double seconds,
                             std::int64_t candidates, std::int64_t divisors,
                             std::string_view decimalSeparator);

// All that the window and the page tell of a scan when it has ended: the status line, the same
// as speech reads it, the announcement (spokenResult) and the time box's description
// (spokenFigures). The row is named as its button shows it and as its button is spoken; the
// boxes' texts are what they show after the scan.
struct ResultDescription {
    std::string statusLine;
    std::string spokenStatusLine;
    std::string announcement;
    std::string spokenFigures;
};
ResultDescription describeResult(std::string_view rowName, std::string_view spokenRowName,
                                 std::int64_t number, const ScanFigures& figures,
                                 std::string_view resultBoxText, std::string_view timeBoxText,
                                 std::string_view decimalSeparator);

} // namespace faktorlupe
