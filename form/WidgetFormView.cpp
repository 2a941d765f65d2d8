#include "form/WidgetFormView.h"

#include "form/Controls.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <utility>

namespace faktorlupe {
namespace {
constexpr qint64 kShowEveryMilliseconds = static_cast<qint64>(kShowGrowingTextsEverySeconds * 1000);
}

WidgetFormView::WidgetFormView(const Controls& controls, std::function<bool()> formClosed)
    : m_formClosed(std::move(formClosed)) {
    for (std::size_t i = 0; i < kControlCount; ++i)
        if (const std::optional<Box> box = kControls[i].box)
            slot(*box).widget = controls.inTableOrder[i];
}

std::string WidgetFormView::widgetText(const QWidget& widget) {
    if (const auto* line = qobject_cast<const QLineEdit*>(&widget))
        return line->text().toStdString();
    return static_cast<const QPlainTextEdit&>(widget).toPlainText().toStdString();
}

void WidgetFormView::showText(Slot& slot) {
    const QString text = QString::fromStdString(slot.text);
    if (auto* line = qobject_cast<QLineEdit*>(slot.widget))
        line->setText(text);
    else
        static_cast<QPlainTextEdit*>(slot.widget)->setPlainText(text);
    slot.changed = false;
}

std::string WidgetFormView::text(Box box) {
    Slot& s = slot(box);
    if (!s.known) {
        s.text = widgetText(*s.widget);
        s.known = true;
    }
    return s.text;
}

void WidgetFormView::setText(Box box, const std::string& text) {
    Slot& s = slot(box);
    s.text = text;
    s.known = true;
    s.changed = true;
    if (m_sinceShown.isValid() && m_sinceShown.elapsed() >= kShowEveryMilliseconds) {
        showText(s);
        s.widget->repaint();
        m_sinceShown.restart();
    }
}

void WidgetFormView::flush() {
    for (Slot& s : m_slots) {
        if (s.changed)
            showText(s);
        s.known = false;
        s.text.clear();
    }
    m_sinceShown.invalidate();
}

void WidgetFormView::yieldToEvents() {
    flush();
    QCoreApplication::processEvents();
    if (m_formClosed())
        throw ScanAbandoned();
    m_sinceShown.start();
}

} // namespace faktorlupe
