#include "qtworkarounds/LineEditAccessible.h"

#include "qtworkarounds/TextPieces.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace faktorlupe {
namespace {

using PieceFinder = TextPiece (*)(const QString&, int, QAccessible::TextBoundaryType);

QString pieceText(const QString& text, int offset, QAccessible::TextBoundaryType type,
                  PieceFinder find, int* startOffset, int* endOffset) {
    const TextPiece piece = find(text, offset, type);
    *startOffset = piece.start;
    *endOffset = piece.end;
    if (piece.start < 0)
        return {};
    return text.mid(piece.start, piece.end - piece.start);
}

QAccessibleInterface* lineEditFactory(const QString&, QObject* object) {
    if (auto* lineEdit = qobject_cast<QLineEdit*>(object))
        return new LineEditAccessible(lineEdit);
    return nullptr;
}

} // namespace

LineEditAccessible::LineEditAccessible(QLineEdit* lineEdit)
    : QAccessibleWidget(lineEdit, QAccessible::EditableText) {}

QLineEdit* LineEditAccessible::lineEdit() const {
    return static_cast<QLineEdit*>(widget());
}

QString LineEditAccessible::shownText() const {
    return lineEdit()->echoMode() == QLineEdit::Normal ? lineEdit()->text()
                                                       : lineEdit()->displayText();
}

QAccessible::State LineEditAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    const bool readOnly = lineEdit()->isReadOnly();
    state.readOnly = readOnly;
    state.editable = !readOnly;
    state.selectableText = true;
    state.passwordEdit = lineEdit()->echoMode() != QLineEdit::Normal;
    state.multiLine = false;
    return state;
}

QString LineEditAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value)
        return shownText();
    return QAccessibleWidget::text(t);
}

void LineEditAccessible::setText(QAccessible::Text t, const QString& text) {
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    if (lineEdit()->echoMode() == QLineEdit::Normal && !lineEdit()->isReadOnly())
        lineEdit()->setText(text);
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !lineEdit()->hasSelectedText())
        return;
    *startOffset = lineEdit()->selectionStart();
    *endOffset = *startOffset + lineEdit()->selectionLength();
}

int LineEditAccessible::selectionCount() const {
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const {
    return lineEdit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position) {
    lineEdit()->setCursorPosition(position);
}

QString LineEditAccessible::text(int startOffset, int endOffset) const {
    const QString shown = shownText();
    const int length = static_cast<int>(shown.size());
    if (endOffset < 0 || endOffset > length)
        endOffset = length;
    if (startOffset < 0 || startOffset >= endOffset)
        return {};
    return shown.mid(startOffset, endOffset - startOffset);
}

QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType type,
                                             int* startOffset, int* endOffset) const {
    return pieceText(shownText(), offset, type, pieceBefore, startOffset, endOffset);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType type,
                                            int* startOffset, int* endOffset) const {
    return pieceText(shownText(), offset, type, pieceAfter, startOffset, endOffset);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType type,
                                         int* startOffset, int* endOffset) const {
    return pieceText(shownText(), offset, type, pieceAt, startOffset, endOffset);
}

int LineEditAccessible::characterCount() const {
    return static_cast<int>(shownText().size());
}

// The caret's rectangle is the one position the box tells; any other character lies as far
// from it as the text between them is wide.
QRect LineEditAccessible::characterRect(int offset) const {
    const QString shown = shownText();
    if (offset < 0 || offset >= shown.size())
        return {};
    const QFontMetrics metrics(lineEdit()->font());
    const QRect caret = lineEdit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int cursor = lineEdit()->cursorPosition();
    const int x = caret.x() + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(cursor));
    const QRect local(x, caret.y(), metrics.horizontalAdvance(shown.mid(offset, 1)),
                      caret.height());
    return QRect(lineEdit()->mapToGlobal(local.topLeft()), local.size());
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint local = lineEdit()->mapFromGlobal(point);
    if (!lineEdit()->rect().contains(local))
        return -1;
    return lineEdit()->cursorPositionAt(local);
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex) {
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

// One run over the whole text, with Qt's default attributes: the box draws all of it alike.
QString LineEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    const int length = characterCount();
    if (offset < 0 || offset > length) {
        *startOffset = *endOffset = -1;
        return {};
    }
    *startOffset = 0;
    *endOffset = length;
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset) {
    replaceText(startOffset, endOffset, {});
}

void LineEditAccessible::insertText(int offset, const QString& text) {
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    if (lineEdit()->isReadOnly() || lineEdit()->echoMode() != QLineEdit::Normal)
        return;
    const QString old = lineEdit()->text();
    const int length = static_cast<int>(old.size());
    if (startOffset < 0 || startOffset > endOffset || endOffset > length)
        return;
    lineEdit()->setText(old.left(startOffset) + text + old.mid(endOffset));
}

void installLineEditAccessibility() {
    QAccessible::installFactory(lineEditFactory);
}

} // namespace faktorlupe
