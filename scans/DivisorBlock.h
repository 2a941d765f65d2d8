#pragma once

namespace faktorlupe {

// Whether any of the count candidates first, first + 1, ... passes the divisor test. The scans
// ask this a block of candidates at a time, so that the processor can test several candidates
// per instruction, and walk only a block that holds a divisor candidate by candidate.
bool blockHoldsDivisor(double zahl, double first, int count);

// Makes blockHoldsDivisor take the code path for the architecture's baseline processor (on x86-64
// one without SSE4.1) even where a wider one is available, so that tests can compare the two
// paths on one machine.
void usePortableDivisorBlocks(bool portable);

} // namespace faktorlupe
