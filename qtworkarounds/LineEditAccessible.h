#pragma once

// Mends Qt 6.4: a one-line box's accessible text loops on the word at its end and reports
// attribute runs of no length.

#include <QAccessibleEditableTextInterface>
#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

class QLineEdit;

namespace faktorlupe {

// What a screen reader reads of a one-line box, in place of Qt's own. Qt 6.4's answer loops
// for good when asked for the word at the end of the text (a screen reader asks after
// Ctrl+Right), and it reports attribute runs of no length, which a screen reader joins one
// character short ("71731" for 717313). Here every offset from 0 to the text's length and every
// boundary type gets an answer: the text is cut into pieces that cover it whole (characters,
// words from one word's start to the next, sentences likewise, and one line), and the attribute
// run is the whole text. It does not draw or change anything of the box.
class LineEditAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* lineEdit);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    QLineEdit* lineEdit() const;
    // The text as the box shows it: dots for a password.
    QString shownText() const;
};

// Makes every QLineEdit of the application answer through LineEditAccessible. Called once,
// before the first window opens.
void installLineEditAccessibility();

} // namespace faktorlupe
