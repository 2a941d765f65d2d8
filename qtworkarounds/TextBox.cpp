#include "qtworkarounds/TextBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace faktorlupe {

std::optional<TextBox> textBoxOf(QObject* object) {
    if (auto* line = qobject_cast<QLineEdit*>(object))
        return line;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(object))
        return plain;
    if (auto* rich = qobject_cast<QTextEdit*>(object))
        return rich;
    return std::nullopt;
}

} // namespace faktorlupe
