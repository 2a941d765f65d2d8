// Starts a measurement of the comparison window's worker when the address space has no room left
// for the worker thread's stack, as `ulimit -v` leaves it on a small machine, and prints how the
// measurement ended.
#include "vergleich/worker/ThreadedMeasurement.h"

#include <QCoreApplication>
#include <cstdio>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>

using namespace faktorlupe::vergleich;

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    ThreadedMeasurement source([](std::int32_t zahl, const std::function<bool()>&) {
        NumberFigures figures;
        figures.zahl = zahl;
        return figures;
    });
    // What the process maps now and 4 MB more: less than a thread's stack of 8 MB.
    std::size_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t bytes = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (4u << 20);
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_AS, &limit);
    source.start(
        {11}, [](const NumberFigures&) { std::puts("gemessen"); },
        [&](const MeasurementEnd& end) {
            std::puts(end.failure ? end.failure->toUtf8().constData() : "beendet");
            application.quit();
        });
    return application.exec();
}
