#pragma once

#include "scans/FormView.h"

#include <QElapsedTimer>
#include <array>
#include <functional>
#include <stdexcept>
#include <string>

class QWidget;

namespace faktorlupe {

struct Controls;

// Raised out of a scan's yield when the window was closed during it, so that the scan's loop
// never starts; the handler passes it by in silence.
class ScanAbandoned final : public std::runtime_error {
public:
    ScanAbandoned() : std::runtime_error("window closed during a scan") {}
};

// The main form's FormView over its text boxes. While a handler runs, a box's text is kept as a
// string and handed to the widget only when the handler yields or ends: laying out a long list
// in the widget after every divisor would cost more than the scan, and the time shown would
// measure the widget. In loops that run longer than a quarter second the texts are also shown a
// few times a second, with a repaint that handles no input, so that a long list can be seen
// growing.
class WidgetFormView final : public FormView {
public:
    // formClosed tells whether the window has been closed, which can only happen in a yield.
    WidgetFormView(const Controls& controls, std::function<bool()> formClosed);

    std::string text(Box box) override;
    void setText(Box box, const std::string& text) override;
    void yieldToEvents() override;

    // Hands every kept text to its widget and forgets it, so that the next read sees whatever
    // the user does to the box in the meantime. Called when a handler ends.
    void flush();

private:
    struct Slot {
        QWidget* widget = nullptr;
        std::string text;
        bool known = false;   // text holds what the box holds
        bool changed = false; // text is newer than the widget's
    };

    Slot& slot(Box box) { return m_slots[static_cast<std::size_t>(box)]; }
    static std::string widgetText(const QWidget& widget);
    static void showText(Slot& slot);

    std::array<Slot, kBoxCount> m_slots;
    std::function<bool()> m_formClosed;
    QElapsedTimer m_sinceShown;
};

} // namespace faktorlupe
