#pragma once

class QLabel;

namespace faktorlupe::vergleich {

// Makes a label show problems: in red, paired with the window colour it stands on, so that it
// reads at 4.5 to 1 or more under light and dark desktop themes alike: a dark red on a light
// window, a light red on a dark one, and on a window of middling grey, where neither would do, a
// dark red on a white ground of its own.
void showAsProblem(QLabel& label);

} // namespace faktorlupe::vergleich
