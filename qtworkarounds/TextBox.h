#pragma once

// Part of the paste guard (PasteGuard.h): the kinds of text box it guards.

#include <optional>
#include <variant>

class QLineEdit;
class QObject;
class QPlainTextEdit;
class QTextEdit;

namespace faktorlupe {

// The kinds of box a text can be pasted into: a line box, a multi-line box of plain text (the
// result boxes) and one of rich text (as Qt's own dialogs may hold).
using TextBox = std::variant<QLineEdit*, QPlainTextEdit*, QTextEdit*>;

// The object as the text box it is, or none where it is no text box.
std::optional<TextBox> textBoxOf(QObject* object);

} // namespace faktorlupe
