#include "vergleich/commandline/CommandLineRun.h"

#include "vergleich/commandline/ExitStatus.h"
#include "vergleich/commandline/Progress.h"
#include "vergleich/measurement/Measurement.h"
#include "vergleich/output/Chart.h"
#include "vergleich/output/Report.h"

#include <QApplication>
#include <cstdio>
#include <fstream>
#include <iostream>

namespace faktorlupe::vergleich {
namespace {

// Qt is here only to draw the chart; its notes about the offscreen platform are not for users.
void keepOnlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

} // namespace

int measureAndWrite(int& argc, char* argv[], const Arguments& arguments,
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

} // namespace faktorlupe::vergleich
