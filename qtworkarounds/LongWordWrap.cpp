#include "qtworkarounds/LongWordWrap.h"

#include "qtworkarounds/LongText.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace faktorlupe {
namespace {

bool holdsLongWord(const QTextDocument& document) {
    if (document.characterCount() <= kLongText)
        return false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        qsizetype run = 0;
        for (const QChar c : text) {
            run = c.isSpace() ? 0 : run + 1;
            if (run > kLongText)
                return true;
        }
    }
    return false;
}

} // namespace

void wrapLongWordsAnywhere(QPlainTextEdit& box) {
    // The document tells of a change before it lays the changed text out, so the mode is right
    // before the first line is broken: for a paste, a typed key, an undo and a scan's list alike.
    QObject::connect(box.document(), &QTextDocument::contentsChange, &box, [&box] {
        const QTextOption::WrapMode mode = holdsLongWord(*box.document())
                                               ? QTextOption::WrapAnywhere
                                               : QTextOption::WrapAtWordBoundaryOrAnywhere;
        if (box.wordWrapMode() != mode)
            box.setWordWrapMode(mode);
    });
}

} // namespace faktorlupe
