#include "vergleich/commandline/CommandLineRun.h"

#include "vergleich/commandline/ExitStatus.h"
#include "vergleich/commandline/Progress.h"
#include "vergleich/measurement/Measurement.h"
#include "vergleich/output/Chart.h"
#include "vergleich/output/FileWriting.h"
#include "vergleich/output/Report.h"
#include "vergleich/output/SpreadsheetCsv.h"

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <iterator>

namespace faktorlupe::vergleich {
namespace {

// Qt is here only to draw the chart; its notes about the offscreen platform are not for users.
void keepOnlyQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", message.toUtf8().constData());
}

struct Output {
    QString option;
    QString path;
};

// What can be checked is checked before the measurement, which may take minutes: that each file
// can be written, and that no two options write one file, also where the names differ
// ("./a.csv" and "a.csv", or a link and the file it leads to), which would leave only the last.
QString checkOutputs(const Arguments& arguments) {
    const Output outputs[] = {{QStringLiteral("--csv"), arguments.csvPath},
                              {QStringLiteral("--csv-de"), arguments.spreadsheetCsvPath},
                              {QStringLiteral("--chart"), arguments.chartPath}};
    QString written[std::size(outputs)];
    for (std::size_t i = 0; i < std::size(outputs); ++i) {
        if (outputs[i].path.isEmpty())
            continue;
        if (const QString problem = checkWritable(outputs[i].path); !problem.isEmpty())
            return problem;
        written[i] = fileWrittenFor(outputs[i].path);
        for (std::size_t j = 0; j < i; ++j)
            if (!written[j].isEmpty() && written[j] == written[i])
                return QStringLiteral("%1 und %2 schreiben beide in die Datei %3; jede Ausgabe "
                                      "braucht eine eigene.")
                    .arg(outputs[j].option, outputs[i].option, outputs[i].path);
    }
    return {};
}

} // namespace

int measureAndWrite(int& argc, char* argv[], const Arguments& arguments,
                    const std::vector<std::int32_t>& numbers) {
    if (const QString problem = checkOutputs(arguments); !problem.isEmpty())
        return fail(problem, kBadArguments);
    // A reader that has gone (| head, less quit early) makes a write fail with EPIPE instead of
    // ending the program unasked: the files are still written, and the failure is reported.
    std::signal(SIGPIPE, SIG_IGN);

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
