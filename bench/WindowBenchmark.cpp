// The window's figures, measured in one run on a real X server (run it under xvfb-run):
// - start-up: from starting the process until its input box is drawn on screen, against a
//   minimal Qt program that draws the same box, and the resident memory once it is up;
// - the times the window itself shows for the root scan of 2095133040 and the full scan of
//   2147483647, against the four-wide reference loop of the divisor test, and for the full scan
//   of 2095133040 with its 1600 box writes, against the same scan without a window.
//   window_benchmark PATH/TO/faktorlupe PATH/TO/minimal_qt_window
#include "ReferenceLoop.h"
#include "form/MainForm.h"
#include "runtime/NumberFromText.h"
#include "scans/MemoryFormView.h"
#include "scans/Scans.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace faktorlupe;
using Clock = std::chrono::steady_clock;

int ignoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

bool inputBoxDrawn(Display* display, Window window) {
    XImage* image = XGetImage(display, window, 232, 68, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return ((pixel >> 16) & 0xFF) == 255 && ((pixel >> 8) & 0xFF) == 255 && (pixel & 0xFF) == 128;
}

long statusKilobytes(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    return -1;
}

struct Startup {
    double milliseconds = -1;
    long residentKilobytes = -1;
    long peakKilobytes = -1;
};

// Starts the program, waits until its top-level window is mapped and its input box is drawn,
// lets it settle for a second, reads its memory and ends it.
Startup measureStartup(const char* program) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return {};
    XSetErrorHandler(ignoreXErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        // Without a child there is nothing to measure, and no pid that kill() may be given:
        // kill(-1, ...) would reach every process of the user.
        std::perror("window_benchmark: fork");
        XCloseDisplay(display);
        return {};
    }
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        std::perror("window_benchmark: exec");
        _exit(127);
    }
    Startup result;
    Window window = 0;
    while (Clock::now() - start < std::chrono::seconds(20)) {
        while (window == 0 && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify)
                window = event.xmap.window;
        }
        if (window != 0 && inputBoxDrawn(display, window)) {
            result.milliseconds =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    result.residentKilobytes = statusKilobytes(pid, "VmRSS");
    result.peakKilobytes = statusKilobytes(pid, "VmHWM");
    if (kill(pid, SIGTERM) != 0)
        std::perror("window_benchmark: kill");
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            std::perror("window_benchmark: waitpid");
            break;
        }
    }
    XCloseDisplay(display);
    return result;
}

Startup median(std::vector<Startup> all) {
    std::sort(all.begin(), all.end(),
              [](const Startup& a, const Startup& b) { return a.milliseconds < b.milliseconds; });
    return all[all.size() / 2];
}

// The seconds a scan button's time box shows, best of a few clicks.
double shownSeconds(MainForm& form, QPushButton* button, QLineEdit* timeBox, const char* input,
                    int runs) {
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        form.controls().txtEingabe->setText(QString::fromUtf8(input));
        button->click();
        std::string shown = timeBox->text().toStdString();
        std::replace(shown.begin(), shown.end(), ',', '.');
        best = std::min(best, numberFromText(shown));
    }
    return best;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PATH/TO/faktorlupe PATH/TO/minimal_qt_window\n", argv[0]);
        return 2;
    }
    // The two programs start by turns, so that a machine that grows busier or quieter during
    // the runs weighs on both alike.
    constexpr int kStartupRuns = 15;
    std::vector<Startup> faktorlupeRuns;
    std::vector<Startup> minimalRuns;
    for (int i = 0; i < kStartupRuns; ++i) {
        faktorlupeRuns.push_back(measureStartup(argv[1]));
        minimalRuns.push_back(measureStartup(argv[2]));
    }
    const Startup faktorlupe = median(faktorlupeRuns);
    const Startup minimal = median(minimalRuns);
    if (faktorlupe.milliseconds < 0 || minimal.milliseconds < 0) {
        std::fprintf(stderr, "a window did not appear: is an X server running?\n");
        return 1;
    }
    std::printf("window on screen after start (median of %d)   %7.1f ms   minimal Qt window "
                "%7.1f ms   ratio %.2f (target <= 150 ms)\n",
                kStartupRuns, faktorlupe.milliseconds, minimal.milliseconds,
                faktorlupe.milliseconds / minimal.milliseconds);
    std::printf("resident memory once up                      %7.1f MB   (peak %.1f MB; minimal Qt "
                "window %.1f MB; target <= 40 MB)\n",
                faktorlupe.residentKilobytes / 1024.0, faktorlupe.peakKilobytes / 1024.0,
                minimal.residentKilobytes / 1024.0);

    QApplication application(argc, argv);
    MainForm form;
    form.show();
    QApplication::processEvents();
    const Controls& c = form.controls();
    const double root = shownSeconds(form, c.cmdWurzel, c.txtZeitWurzel, "2095133040", 5);
    std::printf("root scan of 2095133040, time shown          %7.2f s    (target <= 0,02 s)\n",
                root);
    std::int64_t sink = 0;
    const double full = shownSeconds(form, c.cmdAlle, c.txtZeitAlle, "2147483647", 3);
    if (bench::haveFourWideReference()) {
        const double reference = bench::bestSeconds(
            3, [&] { sink += bench::referenceFourWide(2147483647, 2147483647); });
        std::printf("full scan of 2147483647, time shown          %7.2f s    four-wide reference "
                    "loop %.3f s   ratio %.2f (target <= 1.25)\n",
                    full, reference, full / reference);
    } else {
        std::printf("full scan of 2147483647, time shown          %7.2f s\n", full);
    }

    // A long list: 1600 box writes, shown a few times a second while the loop runs.
    const double engine = bench::bestSeconds(3, [&] {
        ScanState state;
        MemoryFormView view;
        view.setText(Box::txtEingabe, "2095133040");
        runFullScan(state, view, Stopwatch());
        sink += static_cast<std::int64_t>(view.text(Box::txtAlle).size());
    });
    const double fullMany = shownSeconds(form, c.cmdAlle, c.txtZeitAlle, "2095133040", 3);
    std::printf("full scan of 2095133040, time shown          %7.2f s    the engine alone "
                "%.3f s   ratio %.2f\n",
                fullMany, engine, fullMany / engine);
    return sink == 0 ? 1 : 0;
}
