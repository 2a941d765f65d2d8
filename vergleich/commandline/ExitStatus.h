#pragma once

#include "vergleich/measurement/Problem.h"

#include <QString>

namespace faktorlupe::vergleich {

// How faktorlupe-vergleich ends: 0 when everything was measured and written.
inline constexpr int kFailed = 1;       // a measurement or an output failed
inline constexpr int kBadArguments = 2; // the command line is wrong; nothing was measured

// Says what went wrong on standard error, after the program's name, and returns the status.
int fail(const QString& message, int status);

// Hands what was written to standard output to the system. The problem says why it did not take
// all of it (a full disk, /dev/full).
Problem<QString> flushStandardOutput();

} // namespace faktorlupe::vergleich
