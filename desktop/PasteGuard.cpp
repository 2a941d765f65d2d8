#include "desktop/PasteGuard.h"

#include "desktop/LongText.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>
#include <optional>
#include <sys/mman.h>

namespace faktorlupe {
namespace {

// What a box needs, per pasted character, to hold the text, lay it out, draw it and take one
// more key: under a limit of 450 MB the program's address space grew by 80 to 105 bytes per
// character pasted into the input box and by about 55 in a result box; half as much again for
// safety. Beyond what it can hold Qt fails: a result box crashed on 16 MB.
constexpr qsizetype kLineBoxBytesPerCharacter = 150;
constexpr qsizetype kMultiLineBoxBytesPerCharacter = 100;

struct Paste {
    QWidget* box = nullptr;
    const QMimeData* data = nullptr; // none where the clipboard has no owner
    // Where the mouse put it, for the middle button and for a drop; else at the cursor.
    std::optional<QPoint> at;
};

// The box an event reaches: a line box itself, a multi-line one through its viewport.
QWidget* textBox(QObject* watched) {
    for (QObject* object : {watched, watched != nullptr ? watched->parent() : nullptr})
        if (qobject_cast<QLineEdit*>(object) != nullptr ||
            qobject_cast<QPlainTextEdit*>(object) != nullptr ||
            qobject_cast<QTextEdit*>(object) != nullptr)
            return static_cast<QWidget*>(object);
    return nullptr;
}

bool carriesNothing(const QMimeData* data) {
    return data == nullptr || data->formats().isEmpty();
}

QString textOf(const QMimeData* data) {
    return data != nullptr && data->hasText() ? data->text() : QString();
}

std::optional<Paste> pasteOf(QObject* watched, QEvent& event) {
    QWidget* box = textBox(watched);
    if (box == nullptr)
        return std::nullopt;
    QClipboard* clipboard = QGuiApplication::clipboard();
    switch (event.type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        if (!key.matches(QKeySequence::Paste))
            return std::nullopt;
        const bool selection = key.key() == Qt::Key_Insert &&
                               key.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                               clipboard->supportsSelection();
        return Paste{box,
                     clipboard->mimeData(selection ? QClipboard::Selection : QClipboard::Clipboard),
                     std::nullopt};
    }
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        if (mouse.button() != Qt::MiddleButton || !clipboard->supportsSelection())
            return std::nullopt;
        return Paste{box, clipboard->mimeData(QClipboard::Selection), mouse.position().toPoint()};
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        const auto& drop = static_cast<const QDropEvent&>(event);
        // A box that moves its own selection finishes the move itself.
        if (drop.source() == box)
            return std::nullopt;
        return Paste{box, drop.mimeData(), drop.position().toPoint()};
    }
    default:
        return std::nullopt;
    }
}

// Whether the process can still take this many bytes: reserving them fails under a limit on its
// memory that they would exceed.
bool memoryFor(qsizetype bytes) {
    void* room = mmap(nullptr, static_cast<std::size_t>(bytes), PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED)
        return false;
    munmap(room, static_cast<std::size_t>(bytes));
    return true;
}

void refuse(QWidget& box, qsizetype length) {
    auto* message = new QMessageBox(
        QMessageBox::Warning, box.window()->windowTitle(),
        QStringLiteral("Der Text mit %L1 Zeichen ist zu lang für den freien Arbeitsspeicher "
                       "und wurde nicht eingefügt.")
            .arg(length),
        QMessageBox::Ok, box.window());
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->open();
}

// The paste as a line box makes it, replacing the selection and cut at the box's longest text,
// but in one piece.
void insertAtOnce(QLineEdit& box, const QString& pasted, std::optional<QPoint> at) {
    if (at) {
        box.deselect();
        box.setCursorPosition(box.cursorPositionAt(*at));
    }
    QString text = box.text();
    const qsizetype start = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
    const qsizetype removed = box.hasSelectedText() ? box.selectedText().size() : 0;
    const QString inserted =
        pasted.left(std::max<qsizetype>(0, box.maxLength() - (text.size() - removed)));
    text.replace(start, removed, inserted);
    box.setText(text);
    box.setCursorPosition(static_cast<int>(start + inserted.size()));
}

class PasteGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const std::optional<Paste> paste = pasteOf(watched, *event);
        if (!paste)
            return false;
        if (carriesNothing(paste->data)) {
            event->ignore();
            return true;
        }
        // Only the drop itself brings the text.
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)
            return false;
        const QString text = textOf(paste->data);
        if (text.size() <= kLongText)
            return false;
        auto* line = qobject_cast<QLineEdit*>(paste->box);
        const qsizetype perCharacter =
            line != nullptr ? kLineBoxBytesPerCharacter : kMultiLineBoxBytesPerCharacter;
        if (!memoryFor(text.size() * perCharacter)) {
            refuse(*paste->box, text.size());
            return true;
        }
        // Masks and validators check every character the box's own way.
        if (line == nullptr || line->isReadOnly() || !line->inputMask().isEmpty() ||
            line->validator() != nullptr)
            return false;
        insertAtOnce(*line, text, paste->at);
        if (event->type() == QEvent::Drop)
            static_cast<QDropEvent*>(event)->acceptProposedAction();
        return true;
    }
};

} // namespace

void guardPastes(QApplication& application) {
    application.installEventFilter(new PasteGuard(&application));
}

} // namespace faktorlupe
