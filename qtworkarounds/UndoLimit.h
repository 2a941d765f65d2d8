#pragma once

// Mends Qt 6.4: a line box's undo record keeps every character of a long paste for good.

class QLineEdit;

namespace faktorlupe {

// Keeps a line edit's undo history from growing without bound. Qt's line edit records every
// character typed, pasted or removed as an entry of its own and never trims the record: pasting
// a megabyte and then "12" over it keeps many times the text's size for as long as the window
// lives.
// After every user edit that involves a long text, before or after the edit, the history is
// forgotten; the text, the cursor and the selection stay as they are. Typing and pasting of
// ordinary length keep their undo.
void limitUndoHistory(QLineEdit& box);

} // namespace faktorlupe
