#pragma once

#include <memory>

class QApplication;

namespace faktorlupe {

// Makes a Faktorlupe program's QApplication. Where Qt cannot reach a display (DISPLAY names a
// server that is not there), Qt itself would end the program with an abort, a core dump and the
// advice to reinstall it; instead the program ends with one German sentence on standard error,
// after its name, and status 2. Qt's notes from a start that succeeds are passed on as before.
std::unique_ptr<QApplication> startDesktopApplication(int& argc, char* argv[], const char* program);

} // namespace faktorlupe
