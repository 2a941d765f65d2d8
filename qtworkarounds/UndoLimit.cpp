#include "qtworkarounds/UndoLimit.h"

#include "qtworkarounds/LongText.h"

#include <QLineEdit>
#include <QMetaObject>
#include <algorithm>
#include <memory>

namespace faktorlupe {
namespace {

// Setting the same text again empties the history and changes nothing the user sees: no change
// is signalled, and the cursor and the selection are put back.
void forgetUndoHistory(QLineEdit& box) {
    const int cursor = box.cursorPosition();
    const int selectionStart = box.selectionStart();
    const int selectionLength = box.selectionLength();
    box.setText(box.text());
    if (selectionStart >= 0)
        box.setSelection(selectionStart, selectionLength);
    else
        box.setCursorPosition(cursor);
}

} // namespace

void limitUndoHistory(QLineEdit& box) {
    // The length before an edit: textEdited is signalled before textChanged updates it.
    auto lengthBefore = std::make_shared<qsizetype>(box.text().size());
    QObject::connect(&box, &QLineEdit::textEdited, &box, [&box, lengthBefore](const QString& text) {
        if (std::max(*lengthBefore, text.size()) > kLongText)
            // Once the edit has finished, not from inside the line edit's own signal.
            QMetaObject::invokeMethod(
                &box, [&box] { forgetUndoHistory(box); }, Qt::QueuedConnection);
    });
    QObject::connect(&box, &QLineEdit::textChanged, &box,
                     [lengthBefore](const QString& text) { *lengthBefore = text.size(); });
}

} // namespace faktorlupe
