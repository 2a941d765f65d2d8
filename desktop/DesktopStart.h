#pragma once

#include <memory>

class QApplication;

namespace faktorlupe {

// Makes a Faktorlupe program's QApplication. Where Qt cannot reach a display (DISPLAY names a
// server that is not there, Wayland has no compositor, the platform is misspelt) or starts
// without a screen (linuxfb without a framebuffer), Qt itself would end the program with an abort
// and the advice to reinstall it, or a window would crash asking for its screen; instead the
// program ends with one German sentence on standard error, after its name, that names the
// platform and passes on Qt's reason, and status 2. Qt's notes from a start that succeeds are
// passed on as before. The system's font configuration is read on a thread of its own meanwhile.
std::unique_ptr<QApplication> startDesktopApplication(int& argc, char* argv[], const char* program);

} // namespace faktorlupe
