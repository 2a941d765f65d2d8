#include "vergleich/window/WindowRun.h"

#include "desktop/DesktopApplication.h"
#include "vergleich/window/ComparisonWindow.h"
#include "vergleich/worker/ThreadedMeasurement.h"

#include <QApplication>

namespace faktorlupe::vergleich {

int runComparisonWindow(int& argc, char* argv[], const std::vector<std::int32_t>& numbers) {
    QApplication application(argc, argv);
    prepareDesktopApplication(application);
    QApplication::setApplicationName(QStringLiteral("Faktorlupe"));
    QGuiApplication::setDesktopFileName(QStringLiteral(FAKTORLUPE_APP_ID));
    ComparisonWindow window(std::make_unique<ThreadedMeasurement>());
    window.show();
    window.measure(numbers);
    return QApplication::exec();
}

} // namespace faktorlupe::vergleich
