#include "desktop/ReturnPressesButtons.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace faktorlupe {
namespace {

class ReturnFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Enter on the keypad is left alone: Orca's desktop layout uses it for its own commands
        // (Orca+Enter reads the title and the status bar), and a command that Orca answers
        // slowly reaches the program as well, which would press the button.
        if (key->key() != Qt::Key_Return || key->modifiers() != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || !button->hasFocus())
            return false;
        // Held down, Return repeats; a button pressed by one key press is clicked once.
        if (!key->isAutoRepeat())
            button->animateClick();
        return true;
    }
};

} // namespace

void letReturnPressButtons() {
    qApp->installEventFilter(new ReturnFilter(qApp));
}

} // namespace faktorlupe
