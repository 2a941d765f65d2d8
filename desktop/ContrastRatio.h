#pragma once

class QColor;

namespace faktorlupe {

// WCAG's relative luminance of a colour: 0 for black, 1 for white.
double relativeLuminance(const QColor& colour);

// WCAG's contrast ratio of two colours: 1 for equal ones, 21 for black on white. Text wants at
// least 4.5, a focus indicator at least 3.
double contrastRatio(const QColor& a, const QColor& b);

} // namespace faktorlupe
