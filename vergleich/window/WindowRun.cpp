#include "vergleich/window/WindowRun.h"

#include "desktop/DesktopApplication.h"
#include "desktop/DesktopStart.h"
#include "desktop/NumbersOnStandardInput.h"
#include "desktop/ScreenFit.h"
#include "vergleich/window/ComparisonWindow.h"
#include "vergleich/window/NumbersFromLauncher.h"
#include "vergleich/worker/ThreadedMeasurement.h"

#include <QApplication>

namespace faktorlupe::vergleich {

std::unique_ptr<QApplication> startWindowApplication(int& argc, char* argv[]) {
    auto application = startDesktopApplication(argc, argv, "faktorlupe-vergleich");
    prepareDesktopApplication(*application);
    QApplication::setApplicationName(QStringLiteral("Faktorlupe"));
    QGuiApplication::setDesktopFileName(QStringLiteral(FAKTORLUPE_APP_ID));
    return application;
}

int runComparisonWindow(const std::vector<std::int32_t>& numbers, Scale scale) {
    ComparisonWindow window(std::make_unique<ThreadedMeasurement>(), scale);
    fitIntoScreen(window);
    window.show();
    window.measure(numbers);
    if (qEnvironmentVariableIsSet(kNumbersOnStandardInput)) {
        qunsetenv(kNumbersOnStandardInput);
        takeNumbersFromStandardInput(window);
    }
    return QApplication::exec();
}

} // namespace faktorlupe::vergleich
