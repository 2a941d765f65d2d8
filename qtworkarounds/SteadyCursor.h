#pragma once

// Mends Qt 6.4: a line box measures its whole text at every blink of its cursor.

class QApplication;

namespace faktorlupe {

// Keeps an idle window idle whatever its boxes hold. A line box draws itself anew at every blink
// of its cursor, and Qt 6.4 measures the box's whole text for that: with a megabyte in the
// focused input box the idle window took a third of a processor. So while the focused box holds
// a long text, its cursor stays lit instead of blinking, as a GNOME desktop's cursors do after
// ten idle seconds; with the focus elsewhere, or the text short again, it blinks as the desktop
// says.
void keepCursorSteadyInLongTexts(QApplication& application);

} // namespace faktorlupe
