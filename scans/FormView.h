#pragma once

#include "scans/Box.h"

#include <string>

namespace faktorlupe {

// All a scan needs from the window: read a box, replace a box's text, and let the window handle
// what is already queued. The window implements it over its widgets, the tests in memory.
class FormView {
public:
    virtual ~FormView() = default;

    // The box's whole current text, including anything the user typed into it.
    virtual std::string text(Box box) = 0;
    // Replaces the box's whole text at once.
    virtual void setText(Box box, const std::string& text) = 0;
    // Handles every window event already queued, then returns.
    virtual void yieldToEvents() = 0;

protected:
    FormView() = default;
    FormView(const FormView&) = default;
    FormView& operator=(const FormView&) = default;
};

// How often a view shows the texts of a loop that runs on without yielding, so that a long list
// can be seen growing: a few times a second, not after every divisor.
inline constexpr double kShowGrowingTextsEverySeconds = 0.25;

} // namespace faktorlupe
