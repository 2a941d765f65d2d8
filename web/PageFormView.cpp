#include "web/PageFormView.h"

#include <utility>

namespace faktorlupe {

PageFormView::PageFormView(Show show, Clock clock)
    : m_show(std::move(show)), m_clock(std::move(clock)) {}

void PageFormView::receive(Box box, std::string text) {
    slot(box) = {std::move(text), false};
}

std::string PageFormView::text(Box box) {
    return slot(box).text;
}

void PageFormView::setText(Box box, const std::string& text) {
    Slot& s = slot(box);
    s.text = text;
    s.changed = true;
    if (m_clock() - m_shownAt >= kShowGrowingTextsEverySeconds)
        flush();
}

void PageFormView::yieldToEvents() {
    flush();
}

void PageFormView::flush() {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        if (m_slots[i].changed) {
            m_show(static_cast<Box>(i), m_slots[i].text);
            m_slots[i].changed = false;
        }
    }
    m_shownAt = m_clock();
}

} // namespace faktorlupe
