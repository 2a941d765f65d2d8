#pragma once

class QApplication;

namespace faktorlupe {

// Prepares a Faktorlupe program for the desktop it runs on: one-line boxes that screen readers
// can read whole and by word, Return that presses the focused button, a focus frame on every
// control, and Qt's own texts in German under a German locale. Called once, right after its
// QApplication is made and before it opens a window; each window calls fitIntoScreen
// (desktop/ScreenFit.h) before it is shown.
void prepareDesktopApplication(QApplication& application);

} // namespace faktorlupe
