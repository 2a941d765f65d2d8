#pragma once

#include "scans/FormView.h"

#include <array>
#include <functional>
#include <string>

namespace faktorlupe {

// The page's boxes as a scan in the page's worker sees them. The page hands over what its boxes
// hold when the scan begins; every change goes back to the page at the yield, a few times a
// second while a loop runs, and all at once when the scan ends (flush). Like the window, it
// shows a growing list without slowing the loop down by showing every entry.
class PageFormView final : public FormView {
public:
    // Sends a box's new text to the page.
    using Show = std::function<void(Box box, const std::string& text)>;
    // Seconds from a clock that never jumps.
    using Clock = std::function<double()>;

    PageFormView(Show show, Clock clock);

    // What the page's box holds now.
    void receive(Box box, std::string text);

    std::string text(Box box) override;
    void setText(Box box, const std::string& text) override;
    void yieldToEvents() override;

    // Sends every box that changed since it was last sent.
    void flush();

private:
    struct Slot {
        std::string text;
        bool changed = false;
    };
    Slot& slot(Box box) { return m_slots[static_cast<std::size_t>(box)]; }

    Show m_show;
    Clock m_clock;
    std::array<Slot, kBoxCount> m_slots;
    // When the boxes were last sent; a loop sends again after
    // kShowGrowingTextsEverySeconds.
    double m_shownAt = 0;
};

} // namespace faktorlupe
