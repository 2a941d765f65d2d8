#pragma once

#include "Controls.h"
#include "WidgetFormView.h"
#include "scans/ScanState.h"
#include "scans/Stopwatch.h"

#include <QWidget>
#include <deque>
#include <functional>

namespace faktorlupe {

class RuntimeError;

// The one window: an input box, three scan buttons with their result and time boxes, three
// clear buttons and two labels. Each button's click runs one handler to its end; the scans'
// logic lives in scans/ and reaches the boxes through this form's FormView.
class MainForm final : public QWidget {
public:
    // How a run-time error raised in a handler is reported; the program goes on afterwards.
    using ErrorReporter = std::function<void(QWidget* form, const RuntimeError& error)>;

    explicit MainForm(ErrorReporter reportError = nullptr, Stopwatch stopwatch = Stopwatch());

    const Controls& controls() const { return m_controls; }

    void cmdAlle_Click();
    void cmdHalbe_Click();
    void cmdWurzel_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    using Scan = void (*)(ScanState&, FormView&, const Stopwatch&);

    void runScan(Scan scan);
    void runOneScan(Scan scan);
    void clearRow(Box result, Box time);

    Controls m_controls;
    WidgetFormView m_view;
    ScanState m_state;
    Stopwatch m_stopwatch;
    ErrorReporter m_reportError;
    bool m_scanRunning = false;
    // Scan clicks that arrived while another scan ran, in click order.
    std::deque<Scan> m_remembered;
    bool m_closed = false;
};

} // namespace faktorlupe
