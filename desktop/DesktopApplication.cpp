#include "desktop/DesktopApplication.h"

#include "desktop/FocusFrame.h"
#include "desktop/QtTranslations.h"
#include "desktop/ReturnPressesButtons.h"
#include "qtworkarounds/LineEditAccessible.h"
#include "qtworkarounds/PasteGuard.h"
#include "qtworkarounds/SteadyCursor.h"

#include <QApplication>

namespace faktorlupe {

void prepareDesktopApplication(QApplication& application) {
    installLineEditAccessibility();
    letReturnPressButtons();
    showFocusFrames();
    translateQtsOwnTexts(application);
    guardPastes(application);
    keepCursorSteadyInLongTexts(application);
}

} // namespace faktorlupe
