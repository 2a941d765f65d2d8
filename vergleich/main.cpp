// faktorlupe-vergleich: measures how the cost of the three scans grows with the number, as a
// table, a CSV file and a chart, or live in a window (--fenster). Without --fenster it runs
// without a display.
#include "vergleich/commandline/Arguments.h"
#include "vergleich/commandline/CommandLineRun.h"
#include "vergleich/commandline/ExitStatus.h"
#include "vergleich/measurement/DefaultSeries.h"
#include "vergleich/window/WindowRun.h"

#include <QString>
#include <cstdio>

using namespace faktorlupe::vergleich;

namespace {

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList commandLine;
    for (int i = 0; i < argc; ++i)
        commandLine << QString::fromLocal8Bit(argv[i]);
    Arguments arguments;
    if (const QString error = parseArguments(commandLine, arguments); !error.isEmpty())
        return fail(error, kBadArguments);
    if (arguments.help || arguments.version) {
        if (arguments.help)
            std::fputs(helpText().toUtf8().constData(), stdout);
        else
            std::printf("faktorlupe-vergleich %s\n", FAKTORLUPE_VERSION);
        const QString problem = flushStandardOutput();
        return problem.isEmpty() ? 0 : fail(problem, kFailed);
    }
    const std::vector<std::int32_t> numbers =
        arguments.numbers.empty() ? defaultSeries() : arguments.numbers;
    if (arguments.window) {
        if (!displayAvailable())
            return fail(QStringLiteral("Für das Fenster braucht es eine grafische Anzeige, aber es "
                                       "wurde keine gefunden."),
                        kBadArguments);
        return runComparisonWindow(argc, argv, numbers);
    }
    return measureAndWrite(argc, argv, arguments, numbers);
}
