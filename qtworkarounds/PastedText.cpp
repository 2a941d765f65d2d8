#include "qtworkarounds/PastedText.h"

#include "qtworkarounds/LongText.h"
#include "qtworkarounds/TextBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <algorithm>

namespace faktorlupe {
namespace {

// The paste as a line box makes it, replacing the selection and cut at the box's longest text,
// but in one piece.
void insertAtOnce(QLineEdit& box, const QString& pasted) {
    QString text = box.text();
    const qsizetype start = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
    const qsizetype removed = box.hasSelectedText() ? box.selectedText().size() : 0;
    const QString inserted =
        pasted.left(std::max<qsizetype>(0, box.maxLength() - (text.size() - removed)));
    text.replace(start, removed, inserted);
    box.setText(text);
    box.setCursorPosition(static_cast<int>(start + inserted.size()));
}

// Ends the line box's undo step here: moving the cursor is the one thing that does, from outside
// the box. Typing "12", pasting "34" and Ctrl+Z then leaves "12", as after Qt's own paste; a
// selection ends the step as the paste removes it.
void endUndoStep(QLineEdit& box) {
    const int cursor = box.cursorPosition();
    if (box.hasSelectedText() || box.text().isEmpty())
        return;
    box.setCursorPosition(cursor > 0 ? cursor - 1 : cursor + 1);
    box.setCursorPosition(cursor);
}

bool pasteIntoBox(QLineEdit& box, const QString& text, std::optional<QPoint> at) {
    if (box.isReadOnly() || (text.isEmpty() && !box.hasSelectedText()))
        return false;
    if (at) {
        box.deselect();
        box.setCursorPosition(box.cursorPositionAt(*at));
    }
    // Masks and validators check every character the box's own way.
    if (text.size() > kLongText && box.inputMask().isEmpty() && box.validator() == nullptr) {
        insertAtOnce(box, text);
        return true;
    }
    endUndoStep(box);
    box.insert(text);
    endUndoStep(box);
    return true;
}

// The paste as a multi-line box makes it, one undo step of its own.
template <typename Box> bool pasteIntoBox(Box& box, const QString& text, std::optional<QPoint> at) {
    if (!box.textInteractionFlags().testFlag(Qt::TextEditable))
        return false;
    QTextCursor cursor = at ? box.cursorForPosition(*at) : box.textCursor();
    cursor.insertFragment(QTextDocumentFragment::fromPlainText(text));
    box.setTextCursor(cursor);
    box.ensureCursorVisible();
    return true;
}

} // namespace

bool pasteInto(QWidget& box, const QString& text, std::optional<QPoint> at) {
    const std::optional<TextBox> kind = textBoxOf(&box);
    return kind &&
           std::visit([&](auto* textBox) { return pasteIntoBox(*textBox, text, at); }, *kind);
}

} // namespace faktorlupe
