#include "desktop/FocusFrame.h"

#include "desktop/ContrastRatio.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace faktorlupe {
namespace {

constexpr int kWidth = 2;
// What a focus indicator needs against what lies around it to be seen at a glance.
constexpr double kLeastContrast = 3;

} // namespace

QColor focusFrameColour(const QPalette& palette) {
    const QColor background = palette.color(QPalette::Active, QPalette::Window);
    QColor colour = palette.color(QPalette::Active, QPalette::Highlight);
    // A dark theme's highlight is often a dark blue on dark grey: lightened step by step, or
    // darkened on a light theme, until it stands out.
    const bool darkBackground = relativeLuminance(background) < 0.18;
    for (int step = 0; step < 20 && contrastRatio(colour, background) < kLeastContrast; ++step)
        colour = darkBackground ? colour.lighter(115) : colour.darker(115);
    return colour;
}

namespace {

// The frame: a child of the focused control, as large as it and above its other children.
class Frame final : public QWidget {
public:
    Frame() {
        setObjectName(QStringLiteral("focusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

    void follow(QWidget* control) {
        if (m_control != nullptr)
            m_control->removeEventFilter(this);
        m_control = control;
        if (control == nullptr || control->isWindow()) {
            setParent(nullptr);
            hide();
            return;
        }
        setParent(control);
        control->installEventFilter(this);
        fit();
        show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_control && event->type() == QEvent::Resize)
            fit();
        if (watched == m_control && event->type() == QEvent::ChildAdded)
            raise();
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor colour = focusFrameColour(palette());
        const QRect outer = rect();
        painter.fillRect(outer.x(), outer.y(), outer.width(), kWidth, colour);
        painter.fillRect(outer.x(), outer.bottom() - kWidth + 1, outer.width(), kWidth, colour);
        painter.fillRect(outer.x(), outer.y(), kWidth, outer.height(), colour);
        painter.fillRect(outer.right() - kWidth + 1, outer.y(), kWidth, outer.height(), colour);
    }

private:
    void fit() {
        setGeometry(m_control->rect());
        raise();
    }

    QPointer<QWidget> m_control;
};

// A focus frame's own QObject, kept out of the accessibility tree by having no accessible
// name and being no focus target; it lives as long as the application.
Frame* theFrame() {
    static QPointer<Frame> frame;
    if (frame == nullptr)
        frame = new Frame;
    return frame;
}

} // namespace

void showFocusFrames() {
    QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [](QWidget*, QWidget* now) { theFrame()->follow(now); });
}

} // namespace faktorlupe
