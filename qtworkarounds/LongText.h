#pragma once

// Where the boxes' mends for long texts begin: PasteGuard, SteadyCursor, UndoLimit and
// LongWordWrap read this one length.

#include <QtGlobal>

namespace faktorlupe {

// Far longer than anything a person types, and far more than a line of a result box holds at any
// size of the window (about a hundred characters): a text beyond this length was pasted, and the
// boxes treat it as such. They paste it in one piece, forget its undo history, keep the cursor
// from blinking over it and let its words wrap anywhere; up to it, a box with this much text
// still lays itself out and draws in well under a millisecond.
inline constexpr qsizetype kLongText = 4096;

} // namespace faktorlupe
