#include "desktop/DesktopApplication.h"

#include "desktop/FocusFrame.h"
#include "desktop/LineEditAccessible.h"
#include "desktop/PasteGuard.h"
#include "desktop/QtTranslations.h"
#include "desktop/ReturnPressesButtons.h"
#include "desktop/SteadyCursor.h"

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
