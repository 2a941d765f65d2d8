// faktorlupe-vergleich: measures how the cost of the three scans grows with the number, as a
// table, a CSV file and a chart, or live in a window (--fenster). Without --fenster it runs
// without a display.
#include "desktop/DesktopApplication.h"
#include "vergleich/commandline/Arguments.h"
#include "vergleich/commandline/Progress.h"
#include "vergleich/measurement/DefaultSeries.h"
#include "vergleich/measurement/Measurement.h"
#include "vergleich/output/Chart.h"
#include "vergleich/output/Report.h"
#include "vergleich/window/ComparisonWindow.h"
#include "vergleich/worker/ThreadedMeasurement.h"

#include <QApplication>
#include <cstdio>
#include <fstream>
#include <iostream>

using namespace faktorlupe;
using namespace faktorlupe::vergleich;

namespace {

constexpr int kBadArguments = 2;
constexpr int kFailed = 1;

int fail(const QString& message, int status) {
    std::fprintf(stderr, "faktorlupe-vergleich: %s\n", message.toUtf8().constData());
    return status;
}

// Qt is here only to draw the chart; its notes about the offscreen platform are not for users.
void keepOnlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

int runWindow(int argc, char* argv[], const std::vector<std::int32_t>& numbers) {
    if (!displayAvailable())
        return fail(QStringLiteral("Für das Fenster braucht es eine grafische Anzeige, aber es "
                                   "wurde keine gefunden."),
                    kBadArguments);
    QApplication application(argc, argv);
    prepareDesktopApplication(application);
    QApplication::setApplicationName(QStringLiteral("Faktorlupe"));
    QGuiApplication::setDesktopFileName(QStringLiteral(FAKTORLUPE_APP_ID));
    ThreadedMeasurement source;
    ComparisonWindow window(source);
    window.show();
    window.measure(numbers);
    return QApplication::exec();
}

int measureAndWrite(int argc, char* argv[], const Arguments& arguments,
                    const std::vector<std::int32_t>& numbers) {
    // The chart is drawn off screen: no display is needed or used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepOnlyQtErrors);
    QApplication application(argc, argv);

    std::vector<NumberFigures> figures;
    try {
        Progress progress(numbers.size());
        for (std::size_t i = 0; i < numbers.size(); ++i)
            figures.push_back(measureNumber(
                numbers[i], [&](std::size_t scan) { progress.show(i, numbers[i], scan); }));
    } catch (const std::exception& error) {
        return fail(QString::fromUtf8(error.what()), kFailed);
    }

    writeTable(std::cout, figures);
    std::cout.flush();
    if (!arguments.csvPath.isEmpty()) {
        std::ofstream csv(arguments.csvPath.toStdString());
        writeCsv(csv, figures);
        if (!csv.flush())
            return fail(QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.")
                            .arg(arguments.csvPath),
                        kFailed);
    }
    if (!arguments.chartPath.isEmpty())
        if (const QString error = writeChart(arguments.chartPath, figures,
                                             arguments.linear ? Scale::Linear : Scale::Logarithmic);
            !error.isEmpty())
            return fail(error, kFailed);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList commandLine;
    for (int i = 0; i < argc; ++i)
        commandLine << QString::fromLocal8Bit(argv[i]);
    Arguments arguments;
    if (const QString error = parseArguments(commandLine, arguments); !error.isEmpty())
        return fail(error, kBadArguments);
    if (arguments.help) {
        std::fputs(helpText().toUtf8().constData(), stdout);
        return 0;
    }
    if (arguments.version) {
        std::printf("faktorlupe-vergleich %s\n", FAKTORLUPE_VERSION);
        return 0;
    }
    const std::vector<std::int32_t> numbers =
        arguments.numbers.empty() ? defaultSeries() : arguments.numbers;
    if (arguments.window)
        return runWindow(argc, argv, numbers);
    return measureAndWrite(argc, argv, arguments, numbers);
}
