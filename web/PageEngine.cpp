#include "web/PageEngine.h"

#include "layout/LayoutTable.h"
#include "runtime/Clock.h"
#include "runtime/RuntimeError.h"
#include "scans/ResultTexts.h"
#include "scans/ScanTable.h"
#include "web/ClockStepNote.h"
#include "web/PageReports.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <utility>

namespace faktorlupe {
namespace {

// The control of the layout table with this name.
const ControlSpec& control(std::string_view name) {
    for (const ControlSpec& layout : kControls)
        if (name == layout.name)
            return layout;
    return kControls[0];
}

ScanOutcome reported(const RuntimeError& error) {
    ScanOutcome outcome;
    outcome.errorNumber = error.code();
    outcome.errorReport = reportText(error);
    return outcome;
}

// The smallest step of the clock seen over a few of its steps. A browser rounds its clock to
// keep pages from timing what they should not, and may jitter the rounding: Chromium to 0.1 ms
// for a page from a file, a browser that resists fingerprinting to far coarser steps, which is
// why the watch stops after a few steps or, however coarse the clock, a tenth of a second.
double smallestStep(double (*clock)()) {
    constexpr int kSteps = 4;
    constexpr double kLongestWatch = 0.1;
    const double start = clock();
    double smallest = kLongestWatch;
    double last = start;
    for (int seen = 0; seen < kSteps && last - start < kLongestWatch;) {
        const double now = clock();
        if (now > last) {
            smallest = std::min(smallest, now - last);
            last = now;
            ++seen;
        }
    }
    return smallest;
}

} // namespace

PageEngine::PageEngine(PageFormView::Show show)
    : m_view(std::move(show), Stopwatch::monotonicSeconds),
      m_clockStep(smallestStep(Stopwatch::monotonicSeconds)) {}

void PageEngine::receive(Box box, std::string text) {
    m_view.receive(box, std::move(text));
}

// The window's texts for the result, from its row's button as the window names it; where the
// browser's clock is too coarse for the time, followed by how finely it measures.
void PageEngine::describe(ScanOutcome& outcome, int row, const ScanFigures& figures,
                          const std::string& separator) {
    const ScanRow& pageRow = kScanRows[static_cast<std::size_t>(row)];
    const ControlSpec& button = control(pageRow.scanButton);
    ResultDescription texts = describeResult(
        button.text, button.accessibleName != nullptr ? button.accessibleName : button.text,
        m_state.zahl, figures, m_view.text(pageRow.result), m_view.text(pageRow.time), separator);
    const std::string spokenNote = spokenClockStepNote(figures.seconds, m_clockStep, separator);
    const auto below = [&](std::string text) {
        return belowOneStep(std::move(text), figures.seconds, m_clockStep, separator);
    };
    outcome.statusLine =
        below(std::move(texts.statusLine)) + clockStepNote(figures.seconds, m_clockStep, separator);
    outcome.spokenStatusLine = below(std::move(texts.spokenStatusLine)) + spokenNote;
    outcome.announcement = below(std::move(texts.announcement)) + spokenNote;
    outcome.spokenFigures = below(std::move(texts.spokenFigures)) + spokenNote;
}

ScanOutcome PageEngine::runScan(int row, const std::string& decimalSeparator) {
    const Stopwatch stopwatch(secondsSinceMidnight, decimalSeparator);
    ScanOutcome outcome;
    try {
        const ScanFigures figures =
            kScanRows[static_cast<std::size_t>(row)].run(m_state, m_view, stopwatch);
        m_view.flush();
        outcome.seconds = figures.seconds;
        describe(outcome, row, figures, decimalSeparator);
        return outcome;
    } catch (const std::exception&) {
        outcome = reported(runtimeErrorOfCurrentException(
            "Für diese Rechnung hat der Arbeitsspeicher nicht gereicht; die Seite läuft weiter, "
            "die Zeile ist aber vielleicht unvollständig.",
            kUnexpectedOnPage));
    }
    // What was written before the error stays, as in the window.
    m_view.flush();
    return outcome;
}

} // namespace faktorlupe
