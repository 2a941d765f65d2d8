#pragma once

#include "scans/ScanFigures.h"
#include "scans/ScanState.h"
#include "web/PageFormView.h"

#include <string>

namespace faktorlupe {

// What a scan on the page ended with: its precise seconds and the texts that tell its result,
// the same as the window's, or the report of the run-time error that ended it.
struct ScanOutcome {
    int errorNumber = 0; // 0 when the scan ran to its end
    std::string errorReport;
    double seconds = 0; // the precise seconds of the stopwatch's span
    // The status line, and the same as speech reads it.
    std::string statusLine;
    std::string spokenStatusLine;
    // What a screen reader is told when the scan has ended.
    std::string announcement;
    // The precise figures in words, which describe the row's time box.
    std::string spokenFigures;
};

// The page's engine, living in its worker as long as the page: one scan state, as the window
// has, and the scans run over the page's boxes. Every exception a scan raises becomes a report,
// so that the page goes on.
class PageEngine final {
public:
    explicit PageEngine(PageFormView::Show show);

    // What the page's box holds now; the page sends every box before each scan.
    void receive(Box box, std::string text);
    // Runs the scan of the row (0 all, 1 half, 2 root) with the stopwatch writing the given
    // decimal separator, and sends its box writes to the page.
    ScanOutcome runScan(int row, const std::string& decimalSeparator);

private:
    void describe(ScanOutcome& outcome, int row, const ScanFigures& figures,
                  const std::string& separator);

    ScanState m_state;
    PageFormView m_view;
    double m_clockStep;
};

} // namespace faktorlupe
