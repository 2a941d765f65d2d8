#include "qtworkarounds/PasteGuard.h"

#include "qtworkarounds/LongText.h"
#include "qtworkarounds/PastedText.h"
#include "qtworkarounds/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <optional>
#include <sys/mman.h>

namespace faktorlupe {
namespace {

// What a box needs, per pasted character, to hold the text, lay it out, draw it and take one
// more key, as the program's address space grew under a memory limit, with half as much again
// for safety; the line box lays out more per character than a multi-line box. Beyond what it
// can hold Qt does not refuse a text but fails.
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
        if (textBoxOf(object))
            return static_cast<QWidget*>(object);
    return nullptr;
}

const QMimeData* clipboardData(QClipboard::Mode mode) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard->mimeData(mode == QClipboard::Selection && clipboard->supportsSelection()
                                   ? QClipboard::Selection
                                   : QClipboard::Clipboard);
}

std::optional<Paste> pasteOf(QObject* watched, QEvent& event) {
    QWidget* box = textBox(watched);
    if (box == nullptr)
        return std::nullopt;
    switch (event.type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(event);
        if (!key.matches(QKeySequence::Paste))
            return std::nullopt;
        const bool selection = key.key() == Qt::Key_Insert &&
                               key.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
        return Paste{box, clipboardData(selection ? QClipboard::Selection : QClipboard::Clipboard),
                     std::nullopt};
    }
    case QEvent::MouseButtonRelease: {
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        if (mouse.button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection())
            return std::nullopt;
        return Paste{box, clipboardData(QClipboard::Selection), mouse.position().toPoint()};
    }
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        const auto& drop = static_cast<const QDropEvent&>(event);
        // A box that moves its own selection finishes the move itself, from the data its own
        // drag holds.
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

bool roomFor(QWidget& box, const QString& text) {
    const qsizetype perCharacter = std::holds_alternative<QLineEdit*>(*textBoxOf(&box))
                                       ? kLineBoxBytesPerCharacter
                                       : kMultiLineBoxBytesPerCharacter;
    return text.size() <= kLongText || memoryFor(text.size() * perCharacter);
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

// The text a paste brings, in a single read that asks for nothing but the text: the box never
// reads the clipboard or the dragged data itself, since between two reads they can go. On X11,
// after "QXcbClipboard::setMimeData: Cannot set X11 selection owner", a result box read clipboard
// data that had lost every format in between and crashed. None where the data carries no text.
QString readOnce(const QMimeData* data) {
    return data != nullptr ? data->text() : QString();
}

bool paste(QWidget& box, const QString& text, std::optional<QPoint> at) {
    if (text.isNull())
        return false;
    if (!roomFor(box, text)) {
        refuse(box, text.size());
        return false;
    }
    return pasteInto(box, text, at);
}

QMenu* standardMenu(QLineEdit& box, const QPoint&) {
    return box.createStandardContextMenu();
}

template <typename MultiLineBox> QMenu* standardMenu(MultiLineBox& box, const QPoint& at) {
    return box.createStandardContextMenu(at);
}

// The box's own menu, whose "Einfügen" pastes as the keys do.
QMenu* menuOf(QWidget& box, const QPoint& at) {
    return std::visit([&at](auto* textBox) { return standardMenu(*textBox, at); },
                      *textBoxOf(&box));
}

// Its "Einfügen", which names the paste keys after a tab, as the box's menus in Qt 6.4 do.
QAction* pasteActionOf(const QMenu& menu) {
    const QString keys =
        QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu.actions())
        if (action->text().endsWith(keys))
            return action;
    return nullptr;
}

void showMenu(QWidget& box, const QContextMenuEvent& event) {
    QMenu* menu = menuOf(box, event.pos());
    if (QAction* pasteAction = pasteActionOf(*menu)) {
        QObject::disconnect(pasteAction, &QAction::triggered, nullptr, nullptr);
        QObject::connect(pasteAction, &QAction::triggered, &box, [&box] {
            paste(box, readOnce(clipboardData(QClipboard::Clipboard)), std::nullopt);
        });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
}

class PasteGuard final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event == m_passing)
            return false;
        if (event->type() == QEvent::ContextMenu)
            return contextMenu(watched, static_cast<QContextMenuEvent&>(*event));
        if (event->type() == QEvent::DragLeave)
            m_dragged.reset();
        const std::optional<Paste> paste = pasteOf(watched, *event);
        if (!paste)
            return false;
        const QString text = textOf(*event, *paste);
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            dragOver(*watched, static_cast<QDragMoveEvent&>(*event), text);
            return true;
        }
        const bool taken = faktorlupe::paste(*paste->box, text, paste->at);
        if (event->type() == QEvent::Drop && !text.isNull())
            endDragOver(*watched);
        if (event->type() == QEvent::Drop && taken)
            static_cast<QDropEvent*>(event)->acceptProposedAction();
        else
            event->setAccepted(event->type() == QEvent::KeyPress);
        return true;
    }

private:
    // A drag's text is read as it enters the box, and that is what it shows and drops.
    QString textOf(const QEvent& event, const Paste& paste) {
        if (event.type() == QEvent::KeyPress || event.type() == QEvent::MouseButtonRelease)
            return readOnce(paste.data);
        if (event.type() == QEvent::DragEnter || !m_dragged)
            m_dragged.emplace(readOnce(paste.data));
        const QString text = *m_dragged;
        if (event.type() == QEvent::Drop)
            m_dragged.reset();
        return text;
    }

    // The box shows where a drop would go, from a copy of the text: it reads no dragged data
    // itself either.
    void dragOver(QObject& target, QDragMoveEvent& drag, const QString& text) {
        if (text.isNull()) {
            drag.ignore();
            return;
        }
        QMimeData copy;
        copy.setText(text);
        const QPoint at = drag.position().toPoint();
        std::optional<QDragEnterEvent> enter;
        std::optional<QDragMoveEvent> move;
        QDragMoveEvent& passed =
            drag.type() == QEvent::DragEnter
                ? enter.emplace(at, drag.possibleActions(), &copy, drag.buttons(), drag.modifiers())
                : move.emplace(at, drag.possibleActions(), &copy, drag.buttons(), drag.modifiers());
        m_passing = &passed;
        QCoreApplication::sendEvent(&target, &passed);
        m_passing = nullptr;
        drag.setDropAction(passed.dropAction());
        drag.setAccepted(passed.isAccepted());
    }

    // The box, shown the drag but not its drop, stops showing where the drop would go: a
    // multi-line box would go on drawing its cursor there, a line box one without the focus.
    static void endDragOver(QObject& target) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(&target, &leave);
    }

    static bool contextMenu(QObject* watched, const QContextMenuEvent& event) {
        QWidget* box = textBox(watched);
        if (box == nullptr || box->contextMenuPolicy() != Qt::DefaultContextMenu)
            return false;
        showMenu(*box, event);
        return true;
    }

    const QEvent* m_passing = nullptr;
    // The text of the drag over a box, from its entry to its drop or departure.
    std::optional<QString> m_dragged;
};

} // namespace

void guardPastes(QApplication& application) {
    application.installEventFilter(new PasteGuard(&application));
}

} // namespace faktorlupe
