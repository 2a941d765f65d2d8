#pragma once

class QApplication;

namespace faktorlupe {

// Lets a text box take a long paste without running out of memory, or refuses it. Qt's line box
// records every pasted character as an undo step of its own before anything can trim the record,
// so under a limit of 450 MB a paste of 5 MB ended the program (std::bad_alloc). A paste of more
// than a few thousand characters into a line box, by key, by the middle mouse button or by
// dropping, is therefore put in as one piece, like a text the program sets: the box forgets its
// undo history, as it does after any edit of a long text. And a paste into any text box that the
// free memory could not hold together with laying it out is refused, with a message saying so:
// the program goes on with the box as it was.
void guardLongPastes(QApplication& application);

} // namespace faktorlupe
