// The comparison window while it measures the doubling preset, chosen from "Reihe wählen" as a
// user chooses it, on a real X server (run it under xvfb-run):
// - how long the preset takes to finish in the window, against the same numbers measured one
//   after another on one thread without a window;
// - the processor time of the window's own thread, the one that draws and answers the user,
//   as a share of that time, beside the share of the rest of the process (the worker).
// The application starts as the program starts its window.
#include "desktop/SmallHeaps.h"
#include "vergleich/measurement/DefaultSeries.h"
#include "vergleich/measurement/Measurement.h"
#include "vergleich/window/ComparisonWindow.h"
#include "vergleich/window/WindowRun.h"
#include "vergleich/worker/ThreadedMeasurement.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

using namespace faktorlupe::vergleich;
using Clock = std::chrono::steady_clock;

double cpuSeconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Waits in the event loop, as the window's thread does, until the condition holds; checked ten
// times a second.
template <typename Condition> void waitInTheEventLoop(Condition condition) {
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (condition())
            loop.quit();
    });
    check.start(100);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    faktorlupe::keepHeapsSmall();
    const auto application = startWindowApplication(argc, argv);
    const std::vector<std::int32_t> numbers = doublingSeries();

    const auto plainStart = Clock::now();
    for (const std::int32_t zahl : numbers)
        measureNumber(zahl);
    const double plain = secondsSince(plainStart);

    ComparisonWindow window(std::make_unique<ThreadedMeasurement>());
    window.resize(1920, 1080);
    window.show();
    // The window is mapped and drawn before the measurement starts.
    const auto shownAt = Clock::now();
    waitInTheEventLoop([&] { return secondsSince(shownAt) > 0.5; });

    QAction* doubling = nullptr;
    for (QAction* action : window.findChild<QPushButton*>("presets")->menu()->actions())
        if (action->text() == QStringLiteral("Verdopplung (Primzahlen)"))
            doubling = action;
    if (doubling == nullptr) {
        std::fputs("comparison_window_benchmark: no doubling preset in the window\n", stderr);
        return 1;
    }
    const auto* progress = window.findChild<QProgressBar*>("progress");
    const auto* cancel = window.findChild<QPushButton*>("cancel");
    const double threadBefore = cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
    const double processBefore = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
    const auto windowStart = Clock::now();
    doubling->trigger();
    waitInTheEventLoop([&] {
        return progress->value() == static_cast<int>(numbers.size()) && !cancel->isEnabled();
    });
    const double inWindow = secondsSince(windowStart);
    const double uiThread = cpuSeconds(CLOCK_THREAD_CPUTIME_ID) - threadBefore;
    const double rest = cpuSeconds(CLOCK_PROCESS_CPUTIME_ID) - processBefore - uiThread;

    std::printf("doubling preset, %zu numbers:\n", numbers.size());
    std::printf("  in the window           %7.2f s\n", inWindow);
    std::printf("  without a window        %7.2f s   (window / plain: %.3f)\n", plain,
                inWindow / plain);
    std::printf("  window's own thread     %7.3f s processor time = %5.2f %% of the wall time\n",
                uiThread, 100 * uiThread / inWindow);
    std::printf("  worker and the rest     %7.3f s processor time = %5.2f %% of the wall time\n",
                rest, 100 * rest / inWindow);
    return 0;
}
