#pragma once

#include "scans/FormView.h"

#include <array>
#include <string>

namespace faktorlupe {

// A FormView without a window: the boxes are strings in memory and there are no events to yield
// to. For running the scans from the command line and in benchmarks.
class MemoryFormView : public FormView {
public:
    std::string text(Box box) override { return m_texts[index(box)]; }
    void setText(Box box, const std::string& text) override { m_texts[index(box)] = text; }
    void yieldToEvents() override {}

private:
    static std::size_t index(Box box) { return static_cast<std::size_t>(box); }

    std::array<std::string, kBoxCount> m_texts;
};

} // namespace faktorlupe
