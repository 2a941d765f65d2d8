#pragma once

// Mends Qt 6.4: a text box reads the clipboard itself, and crashes on data without a format;
// and it takes a paste of any size, beyond what the memory can lay out.

class QApplication;

namespace faktorlupe {

// Makes every paste into a text box of the application's windows, by key (Ctrl+V, Shift+Insert,
// Ctrl+Shift+Insert from X11's selection), by the middle mouse button, by the box's menu or by
// dropping dragged data from elsewhere, the guard's own:
// - It reads the text once and puts that in itself (qtworkarounds/PastedText.h); the box never
// reads
//   the clipboard or the dragged data, which can go between two reads. On X11 the clipboard of a
//   program that copied and then quit has no owner, and Qt 6.4 hands a text box clipboard data
//   without a single format; a multi-line box then reads the first format of that empty list and
//   the program crashes, also when the data went right after a first read that found it whole.
//   While a drag passes over a box, the box shows where it would go from a copy of that text.
// - A paste of nothing does nothing.
// - A paste into any text box that the free memory could not hold together with laying it out
//   is refused, with a message saying so: the program goes on with the box as it was.
void guardPastes(QApplication& application);

} // namespace faktorlupe
