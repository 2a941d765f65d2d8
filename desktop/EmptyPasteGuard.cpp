#include "desktop/EmptyPasteGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace faktorlupe {
namespace {

bool carriesNothing(const QMimeData* data) {
    return data == nullptr || data->formats().isEmpty();
}

// A text box, or the viewport of a multi-line one, which receives its mouse and drop events.
bool isTextBox(const QObject* object) {
    const auto isBox = [](const QObject* candidate) {
        return qobject_cast<const QLineEdit*>(candidate) != nullptr ||
               qobject_cast<const QPlainTextEdit*>(candidate) != nullptr ||
               qobject_cast<const QTextEdit*>(candidate) != nullptr;
    };
    return object != nullptr && (isBox(object) || isBox(object->parent()));
}

// Ctrl+Shift+Insert pastes the selection where the system has one, as Qt's boxes do.
QClipboard::Mode pasteMode(const QKeyEvent& key) {
    const bool selection = key.key() == Qt::Key_Insert &&
                           key.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                           QGuiApplication::clipboard()->supportsSelection();
    return selection ? QClipboard::Selection : QClipboard::Clipboard;
}

bool pastesNothing(const QEvent& event) {
    switch (event.type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        return key.matches(QKeySequence::Paste) &&
               carriesNothing(QGuiApplication::clipboard()->mimeData(pasteMode(key)));
    }
    case QEvent::MouseButtonRelease:
        return static_cast<const QMouseEvent&>(event).button() == Qt::MiddleButton &&
               QGuiApplication::clipboard()->supportsSelection() &&
               carriesNothing(QGuiApplication::clipboard()->mimeData(QClipboard::Selection));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return carriesNothing(static_cast<const QDropEvent&>(event).mimeData());
    default:
        return false;
    }
}

class EmptyPasteGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!isTextBox(watched) || !pastesNothing(*event))
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

void guardAgainstEmptyPastes(QApplication& application) {
    application.installEventFilter(new EmptyPasteGuard(&application));
}

} // namespace faktorlupe
