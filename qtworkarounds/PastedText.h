#pragma once

// Part of the paste guard (PasteGuard.h): a paste put in as the box would put it.

#include <QPoint>
#include <optional>

class QString;
class QWidget;

namespace faktorlupe {

// Puts a text that was pasted into a text box (a line box, a multi-line box) as the box's own
// paste would, without the box reading the clipboard or the dragged data itself: in place of the
// selection, or, where the mouse put it (the middle button, a drop), at that point. A box that
// takes no text (read-only) is left as it was; a line box's mask, validator and longest text
// apply, and the paste is one step for its undo, as Qt's own. A line box takes a text of more
// than a few thousand characters in one piece, without undo, like a text the program sets: Qt
// would record every character as an undo step of its own, which under a limit on the program's
// memory could end it for a paste of a few megabytes. Returns whether the box took it.
bool pasteInto(QWidget& box, const QString& text, std::optional<QPoint> at);

} // namespace faktorlupe
