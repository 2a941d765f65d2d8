#include "desktop/DesktopApplication.h"

#include "desktop/LineEditAccessible.h"

#include <QApplication>

namespace faktorlupe {

void prepareDesktopApplication(QApplication&) {
    installLineEditAccessibility();
}

} // namespace faktorlupe
