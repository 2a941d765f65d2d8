#pragma once

class QApplication;

namespace faktorlupe {

// Makes a paste of nothing do nothing, in every text box of the application's windows. On X11 the
// clipboard of a program that copied and then quit has no owner, and Qt 6.4 hands a text box
// clipboard data without a single format; a multi-line box then reads the first format of that
// empty list and the program crashes. So a paste by key (Ctrl+V, Shift+Insert), by the middle
// mouse button, or by dropping dragged data that carries no format at all, is taken away before
// any box sees it. Pastes of real data, also of an empty text, are left to the boxes.
void guardAgainstEmptyPastes(QApplication& application);

} // namespace faktorlupe
