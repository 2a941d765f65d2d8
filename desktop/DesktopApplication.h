#pragma once

class QApplication;

namespace faktorlupe {

// Prepares a Faktorlupe program for the desktop it runs on: called once, right after its
// QApplication is made and before it opens a window.
void prepareDesktopApplication(QApplication& application);

} // namespace faktorlupe
