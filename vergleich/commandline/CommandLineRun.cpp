#include "vergleich/commandline/CommandLineRun.h"

#include "vergleich/commandline/ExitStatus.h"
#include "vergleich/commandline/Progress.h"
#include "vergleich/measurement/Measurement.h"
#include "vergleich/output/Chart.h"
#include "vergleich/output/FileWriting.h"
#include "vergleich/output/Report.h"
#include "vergleich/output/SpreadsheetCsv.h"
#include "vergleich/output/WrittenFile.h"

#include <QApplication>
#include <cstdio>
#include <iostream>
#include <iterator>
#include <utility>

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

QString sharedFile(const QString& one, const QString& other, const QString& path) {
    return QStringLiteral("%1 und %2 schreiben beide in die Datei %3; jede Ausgabe braucht eine "
                          "eigene.")
        .arg(one, other, path);
}

// An output that replaces a file must not replace the one standard output or standard error go
// to: "--csv out >out" would leave only the CSV, "--csv log 2>>log" would wipe the log. Written
// through the descriptor itself (--csv /dev/stdout), it comes after what is there, as the table.
Problem<QString> checkStandardStreams(const Output& output, const WrittenFile& written) {
    const std::pair<int, QString> streams[] = {{1, QStringLiteral("die Standardausgabe")},
                                               {2, QStringLiteral("die Standardfehlerausgabe")}};
    for (const auto& [descriptor, name] : streams)
        if (!written.throughDescriptor && isSameFile(writtenFileOf(descriptor), written))
            return sharedFile(output.option, name, output.path);
    return std::nullopt;
}

// What can be checked is checked before the measurement, which may take minutes: that each file
// can be written, and that no two outputs write one file, also where the names differ
// ("./a.csv" and "a.csv", a link or a hard link and the file), which would leave only the last.
Problem<QString> checkOutputs(const Arguments& arguments) {
    const Output outputs[] = {{QStringLiteral("--csv"), arguments.csvPath},
                              {QStringLiteral("--csv-de"), arguments.spreadsheetCsvPath},
                              {QStringLiteral("--chart"), arguments.chartPath}};
    WrittenFile written[std::size(outputs)];
    for (std::size_t i = 0; i < std::size(outputs); ++i) {
        if (outputs[i].path.isEmpty())
            continue;
        if (Problem<QString> problem = checkWritable(outputs[i].path))
            return problem;
        written[i] = writtenFileOf(outputs[i].path);
        if (Problem<QString> problem = checkStandardStreams(outputs[i], written[i]))
            return problem;
        for (std::size_t j = 0; j < i; ++j)
            if (isSameFile(written[j], written[i]))
                return sharedFile(outputs[j].option, outputs[i].option, outputs[i].path);
    }
    return std::nullopt;
}

Problem<QString> writeTableOut(const std::vector<NumberFigures>& figures) {
    writeTable(std::cout, figures);
    return flushStandardOutput();
}

// Every output is tried, in this order (a braced list is evaluated in order); each one that fails
// is reported.
int writeOutputs(const Arguments& arguments, const std::vector<NumberFigures>& figures) {
    const Problem<QString> problems[] = {
        writeTableOut(figures),
        arguments.csvPath.isEmpty() ? std::nullopt : writeCsvFile(arguments.csvPath, figures),
        arguments.spreadsheetCsvPath.isEmpty()
            ? std::nullopt
            : writeSpreadsheetCsvFile(arguments.spreadsheetCsvPath, figures),
        arguments.chartPath.isEmpty()
            ? std::nullopt
            : writeChart(arguments.chartPath,
                         chartFormatOf(arguments.chartPath).value_or(ChartFormat::Png), figures,
                         arguments.linear ? Scale::Linear : Scale::Logarithmic)};
    int status = 0;
    for (const Problem<QString>& problem : problems)
        if (problem)
            status = fail(*problem, kFailed);
    return status;
}

} // namespace

int measureAndWrite(int& argc, char* argv[], const Arguments& arguments,
                    const std::vector<std::int32_t>& numbers) {
    if (const Problem<QString> problem = checkOutputs(arguments))
        return fail(*problem, kBadArguments);
    // The chart is drawn off screen: no display is needed or used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepOnlyQtErrors);
    QApplication application(argc, argv);

    std::vector<NumberFigures> figures;
    Problem<QString> failure;
    {
        // The progress bar is gone before anything else is written.
        Progress progress(numbers.size());
        for (std::size_t i = 0; i < numbers.size() && !failure; ++i) {
            try {
                figures.push_back(measureNumber(
                    numbers[i], [&](std::size_t scan) { progress.show(i, numbers[i], scan); }));
            } catch (const std::exception& error) {
                failure = QString::fromStdString(failureSentence(numbers[i], error));
            }
        }
    }
    if (failure)
        return fail(*failure, kFailed);

    return writeOutputs(arguments, figures);
}

} // namespace faktorlupe::vergleich
