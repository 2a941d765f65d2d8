#pragma once

class QApplication;

namespace faktorlupe {

// Watches every paste into a text box of the application's windows, by key (Ctrl+V,
// Shift+Insert), by the middle mouse button or by dropping dragged data:
// - A paste of nothing does nothing. On X11 the clipboard of a program that copied and then quit
//   has no owner, and Qt 6.4 hands a text box clipboard data without a single format; a
//   multi-line box then reads the first format of that empty list and the program crashes. Such
//   a paste is taken away before any box sees it; pastes of real data, also of an empty text,
//   are left to the boxes.
// - A long paste is taken without running out of memory, or refused. Qt's line box records every
//   pasted character as an undo step of its own before anything can trim the record, so under a
//   limit of 450 MB a paste of 5 MB ended the program (std::bad_alloc). A paste of more than a
//   few thousand characters into a line box is therefore put in as one piece, like a text the
//   program sets: the box forgets its undo history, as it does after any edit of a long text.
//   And a paste into any text box that the free memory could not hold together with laying it
//   out is refused, with a message saying so: the program goes on with the box as it was.
void guardPastes(QApplication& application);

} // namespace faktorlupe
