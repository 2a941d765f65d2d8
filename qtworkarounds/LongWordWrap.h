#pragma once

// Mends Qt 6.4: a multi-line box lays out a word longer than a line in quadratic time.

class QPlainTextEdit;

namespace faktorlupe {

// Keeps a multi-line box quick whatever it holds. The box wraps its text at word boundaries, and
// a word longer than a line anywhere; Qt lays out such a word by measuring all the rest of it for
// every line it fills, so the time grows with the square of the word's length and a pasted
// megabyte without a blank stops the window. While the box holds a word longer than any line of it
// can show, it wraps anywhere, which draws that word the same way at a cost that grows with its
// length alone; the lists and every text of ordinary words keep their wrapping at word boundaries.
void wrapLongWordsAnywhere(QPlainTextEdit& box);

} // namespace faktorlupe
