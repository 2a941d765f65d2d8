#include "desktop/DesktopApplication.h"

#include <QApplication>

namespace faktorlupe {

void prepareDesktopApplication(QApplication&) {}

} // namespace faktorlupe
