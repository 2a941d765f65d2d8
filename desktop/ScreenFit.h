#pragma once

class QWidget;

namespace faktorlupe {

// Shrinks a window that is about to open so that it fits, with its frame, into the available
// part of its screen (without panels and docks), and places it there, centred. A window whose
// minimum size is larger keeps its minimum. At QT_SCALE_FACTOR=2 on 1920x1080 the available
// part is about 960x520 in the window's own pixels, far less than the windows are designed for.
void fitIntoScreen(QWidget& window);

} // namespace faktorlupe
