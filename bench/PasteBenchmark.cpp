// The window under long pastes, measured in one run (under xvfb-run, or on any Qt platform):
// - how long the window takes to answer again after a megabyte of digits without a blank is
//   pasted into a result box, against a megabyte of a divisor list with its blanks, and into the
//   input box;
// - the processor time the idle window takes over a few seconds while the focused input box holds
//   a megabyte, against the same with the preset number.
// The application is prepared for the desktop as the program prepares its own.
#include "desktop/DesktopApplication.h"
#include "desktop/DesktopStart.h"
#include "desktop/SmallHeaps.h"
#include "form/MainForm.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

namespace {

using faktorlupe::MainForm;

constexpr qsizetype kMegabyte = 1024 * 1024;

double processSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Pastes with Ctrl+V, as a user does, and returns the milliseconds until the window has handled
// everything the paste caused and has been drawn again.
double answerMilliseconds(MainForm& form, QWidget& box, const QString& text) {
    QApplication::clipboard()->setText(text);
    box.setFocus();
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(&box, &paste);
    QApplication::processEvents();
    form.repaint();
    QApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Percent of one processor the window takes while nothing happens, over the given seconds.
double idlePercent(int seconds) {
    QEventLoop settle;
    QTimer::singleShot(1000, &settle, &QEventLoop::quit);
    settle.exec();
    const double before = processSeconds();
    QEventLoop idle;
    QTimer::singleShot(seconds * 1000, &idle, &QEventLoop::quit);
    idle.exec();
    return (processSeconds() - before) / seconds * 100;
}

QString listWithBlanks(qsizetype length) {
    QString text = QStringLiteral("1");
    for (int divisor = 2; text.size() < length; ++divisor)
        text += QStringLiteral(" - %1").arg(divisor);
    text.truncate(length);
    return text;
}

} // namespace

int main(int argc, char* argv[]) {
    faktorlupe::keepHeapsSmall();
    const auto application = faktorlupe::startDesktopApplication(argc, argv, "paste_benchmark");
    faktorlupe::prepareDesktopApplication(*application);
    MainForm form([](QWidget*, const faktorlupe::RuntimeError&) {});
    form.show();
    form.activateWindow();
    QApplication::processEvents();
    const faktorlupe::Controls& c = form.controls();
    const QString digits(kMegabyte, QLatin1Char('7'));

    const double word = answerMilliseconds(form, *c.txtAlle, digits);
    c.txtAlle->clear();
    const double list = answerMilliseconds(form, *c.txtAlle, listWithBlanks(kMegabyte));
    c.txtAlle->clear();
    std::printf("1 MB of digits pasted into txtAlle, window answers after   %8.0f ms   1 MB list "
                "with blanks %.0f ms   ratio %.2f (target: within a second)\n",
                word, list, word / list);
    const double input = answerMilliseconds(form, *c.txtEingabe, digits);
    std::printf("1 MB of digits pasted into txtEingabe, window answers after %8.0f ms\n", input);

    constexpr int kIdleSeconds = 5;
    c.txtEingabe->setFocus();
    const double idleLong = idlePercent(kIdleSeconds);
    c.txtEingabe->setText(QStringLiteral("717313"));
    const double idleShort = idlePercent(kIdleSeconds);
    std::printf("idle, 1 MB in the focused txtEingabe, over %d s              %8.1f %% of a CPU   "
                "with 717313 %.1f %%   (target: no CPU to speak of)\n",
                kIdleSeconds, idleLong, idleShort);
    return 0;
}
