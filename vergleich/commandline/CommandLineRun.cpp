#include "vergleich/commandline/CommandLineRun.h"

#include "vergleich/commandline/ExitStatus.h"
#include "vergleich/commandline/Progress.h"
#include "vergleich/measurement/Measurement.h"
#include "vergleich/output/Chart.h"
#include "vergleich/output/FileWriting.h"
#include "vergleich/output/Report.h"
#include "vergleich/output/SpreadsheetCsv.h"

#include <QApplication>
#include <cstdio>
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
    // What can be checked is checked before the measurement, which may take minutes.
    for (const QString& path :
         {arguments.csvPath, arguments.spreadsheetCsvPath, arguments.chartPath})
        if (!path.isEmpty())
            if (const QString problem = checkWritable(path); !problem.isEmpty())
                return fail(problem, kBadArguments);

    // The chart is drawn off screen: no display is needed or used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepOnlyQtErrors);
    QApplication application(argc, argv);

    std::vector<NumberFigures> figures;
    QString failure;
    {
        // The progress bar is gone before anything else is written.
        Progress progress(numbers.size());
        for (std::size_t i = 0; i < numbers.size() && failure.isEmpty(); ++i) {
            try {
                figures.push_back(measureNumber(
                    numbers[i], [&](std::size_t scan) { progress.show(i, numbers[i], scan); }));
            } catch (const std::exception& error) {
                failure = QString::fromStdString(failureSentence(numbers[i], error));
            }
        }
    }
    if (!failure.isEmpty())
        return fail(failure, kFailed);

    // Every output is tried; each one that fails is reported.
    int status = 0;
    writeTable(std::cout, figures);
    if (const QString problem = flushStandardOutput(); !problem.isEmpty())
        status = fail(problem, kFailed);
    if (!arguments.csvPath.isEmpty())
        if (const QString problem = writeCsvFile(arguments.csvPath, figures); !problem.isEmpty())
            status = fail(problem, kFailed);
    if (!arguments.spreadsheetCsvPath.isEmpty())
        if (const QString problem = writeSpreadsheetCsvFile(arguments.spreadsheetCsvPath, figures);
            !problem.isEmpty())
            status = fail(problem, kFailed);
    if (!arguments.chartPath.isEmpty())
        if (const QString problem = writeChart(
                arguments.chartPath, chartFormatOf(arguments.chartPath).value_or(ChartFormat::Png),
                figures, arguments.linear ? Scale::Linear : Scale::Logarithmic);
            !problem.isEmpty())
            status = fail(problem, kFailed);
    return status;
}

} // namespace faktorlupe::vergleich
