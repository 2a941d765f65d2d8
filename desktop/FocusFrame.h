#pragma once

class QColor;
class QPalette;

namespace faktorlupe {

// Draws a frame two pixels wide in the highlight colour (see focusFrameColour) inside the control
// that has the keyboard focus, above its own drawing, so that the focus is seen at a glance on
// every control (a result box otherwise shows it only by its blinking caret, a button by a thin
// border) and in light and dark themes alike. It follows the focus and the control's size; the
// mouse passes through it and screen readers do not see it. Called once, before the first window
// opens.
void showFocusFrames();

// The frame's colour: the palette's highlight, lightened or darkened where it would stand out
// less than 3 to 1 against the window's background.
QColor focusFrameColour(const QPalette& palette);

} // namespace faktorlupe
