// Resident memory over rounds of a large paste into the input box, the way a user would do it:
// paste 1 MB of text, scan, paste "12" over it, scan. Prints the resident memory after every
// round and the growth from the 2nd to the 10th (target: at most 20 MB). Runs on any Qt
// platform, also offscreen. The application is started and prepared as the program does it.
#include "desktop/DesktopApplication.h"
#include "desktop/DesktopStart.h"
#include "desktop/SmallHeaps.h"
#include "form/MainForm.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return -1;
}

void paste(QLineEdit& box, const QString& text) {
    QApplication::clipboard()->setText(text);
    box.selectAll();
    box.paste();
}

} // namespace

int main(int argc, char* argv[]) {
    faktorlupe::keepHeapsSmall();
    const auto application =
        faktorlupe::startDesktopApplication(argc, argv, "paste_memory_benchmark");
    faktorlupe::prepareDesktopApplication(*application);
    faktorlupe::MainForm form([](QWidget*, const faktorlupe::RuntimeError&) {});
    form.show();
    QApplication::processEvents();
    const faktorlupe::Controls& c = form.controls();
    // A megabyte that starts with a number, as a pasted document might.
    const QString megabyte = QStringLiteral("717313 ") + QString(1024 * 1024 - 7, QLatin1Char('x'));

    constexpr int kRounds = 10;
    double second = 0;
    double last = 0;
    for (int round = 1; round <= kRounds; ++round) {
        paste(*c.txtEingabe, megabyte);
        c.cmdWurzel->click();
        paste(*c.txtEingabe, QStringLiteral("12"));
        c.cmdWurzel->click();
        QApplication::processEvents();
        last = residentMegabytes();
        if (round == 2)
            second = last;
        std::printf("round %2d: resident memory %7.1f MB\n", round, last);
    }
    std::printf("growth from round 2 to round %d: %.1f MB (target <= 20 MB)\n", kRounds,
                last - second);
    return 0;
}
