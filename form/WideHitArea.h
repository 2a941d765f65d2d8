#pragma once

#include <vector>

class QPushButton;
class QWidget;

namespace faktorlupe {

// The "x" buttons are 17 pixels square in the designed layout, too small a target for many
// hands. They keep their size and look, but a click on the form's free background within
// kSmallestTarget pixels around a button's centre presses it too. Where that square overlaps a
// neighbouring control, the neighbour gets the click as before: only the background answers.
inline constexpr int kSmallestTarget = 24;

// Widens the hit area of the buttons, all children of the client area.
void widenHitArea(QWidget& clientArea, std::vector<QPushButton*> buttons);

} // namespace faktorlupe
