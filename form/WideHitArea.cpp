#include "form/WideHitArea.h"

#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

namespace faktorlupe {
namespace {

// The square of at least kSmallestTarget pixels centred on the button.
QRect target(const QPushButton& button) {
    const QRect drawn = button.geometry();
    const int width = std::max(drawn.width(), kSmallestTarget);
    const int height = std::max(drawn.height(), kSmallestTarget);
    QRect square(0, 0, width, height);
    square.moveCenter(drawn.center());
    return square;
}

// Watches the client area's own mouse presses, which reach it only where no control lies.
class HitAreaFilter final : public QObject {
public:
    HitAreaFilter(QWidget& clientArea, std::vector<QPushButton*> buttons)
        : QObject(&clientArea), m_buttons(std::move(buttons)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonPress &&
            event->type() != QEvent::MouseButtonRelease)
            return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const QPoint at = mouse->position().toPoint();
        QPushButton* hit = nullptr;
        for (QPushButton* button : m_buttons)
            if (!button->isHidden() && button->isEnabled() && target(*button).contains(at))
                hit = button;
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = hit;
            if (hit != nullptr)
                hit->setDown(true);
            return hit != nullptr;
        }
        QPushButton* pressed = m_pressed;
        m_pressed = nullptr;
        if (pressed == nullptr)
            return false;
        pressed->setDown(false);
        // A press that leaves the target before its release is taken back, as on the button.
        if (pressed == hit)
            pressed->click();
        return true;
    }

private:
    std::vector<QPushButton*> m_buttons;
    QPointer<QPushButton> m_pressed;
};

} // namespace

void widenHitArea(QWidget& clientArea, std::vector<QPushButton*> buttons) {
    clientArea.installEventFilter(new HitAreaFilter(clientArea, std::move(buttons)));
}

} // namespace faktorlupe
