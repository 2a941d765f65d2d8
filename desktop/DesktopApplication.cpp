#include "desktop/DesktopApplication.h"

#include "desktop/FocusFrame.h"
#include "desktop/LineEditAccessible.h"
#include "desktop/ReturnPressesButtons.h"

#include <QApplication>

namespace faktorlupe {

void prepareDesktopApplication(QApplication&) {
    installLineEditAccessibility();
    letReturnPressButtons();
    showFocusFrames();
}

} // namespace faktorlupe
