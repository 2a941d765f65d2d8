// faktorlupe-vergleich: measures how the cost of the three scans grows with the number, as a
// table, a CSV file and a chart, or live in a window (--fenster). Without --fenster it runs
// without a display. This file only reads the options and hands over to one of the two.
#include "desktop/SmallHeaps.h"
#include "vergleich/commandline/Arguments.h"
#include "vergleich/commandline/CommandLineRun.h"
#include "vergleich/commandline/ExitStatus.h"
#include "vergleich/measurement/DefaultSeries.h"
#include "vergleich/output/NativeNames.h"
#include "vergleich/window/WindowRun.h"

#include <QApplication>
#include <csignal>
#include <cstdio>

using namespace faktorlupe::vergleich;

namespace {

// The file names in it keep their bytes, also those that are not UTF-8.
QStringList commandLineOf(int argc, char* argv[]) {
    QStringList commandLine;
    for (int i = 0; i < argc; ++i)
        commandLine << textOfNativeName(QByteArray(argv[i]));
    return commandLine;
}

} // namespace

int main(int argc, char* argv[]) {
    faktorlupe::keepHeapsSmall();
    Arguments arguments;
    Problem<QString> error = parseArguments(commandLineOf(argc, argv), arguments);
    std::unique_ptr<QApplication> application;
    if (error && arguments.window && arguments.unknownOption) {
        // Perhaps Qt's own options, as every Qt program takes them: Qt takes them out of the
        // command line as the window's application starts, and what is left must be ours.
        application = startWindowApplication(argc, argv);
        arguments = {};
        error = parseArguments(commandLineOf(argc, argv), arguments);
    }
    if (error)
        return fail(*error, kBadArguments);
    if (arguments.help || arguments.version) {
        if (arguments.help)
            std::fputs(helpText().toUtf8().constData(), stdout);
        else
            std::printf("faktorlupe-vergleich %s\n", FAKTORLUPE_VERSION);
        const Problem<QString> problem = flushStandardOutput();
        return problem ? fail(*problem, kFailed) : 0;
    }
    const std::vector<std::int32_t> numbers =
        arguments.numbers.empty() ? defaultSeries() : arguments.numbers;
    // A reader that has gone (| head, less quit early, a window's Speichern to /dev/stdout) makes
    // a write fail with EPIPE, said in German words, instead of ending the program unasked: the
    // other files are still written, the window stays open.
    std::signal(SIGPIPE, SIG_IGN);
    if (!arguments.window)
        return measureAndWrite(argc, argv, arguments, numbers);
    if (!application)
        application = startWindowApplication(argc, argv);
    return runComparisonWindow(numbers, arguments.linear ? Scale::Linear : Scale::Logarithmic);
}
