#pragma once

#include "form/ComparisonLauncher.h"
#include "form/Controls.h"
#include "form/StatusLine.h"
#include "form/WidgetFormView.h"
#include "scans/ScanFigures.h"
#include "scans/ScanState.h"
#include "scans/ScanTable.h"
#include "scans/Stopwatch.h"

#include <QMainWindow>
#include <array>
#include <deque>
#include <functional>

namespace faktorlupe {

class RuntimeError;

// The one window: an input box, three scan buttons with their result and time boxes, three
// clear buttons and two labels. Each button's click runs one handler to its end; the scans'
// logic lives in scans/ and reaches the boxes through this form's FormView. The frame can be
// resized, and the whole form scales with it. Below the form a status line shows each scan's
// precise figures and has them spoken; Ctrl+L opens the comparison for the input's number.
class MainForm final : public QMainWindow {
public:
    // How a run-time error raised in a handler is reported; the program goes on afterwards.
    using ErrorReporter = std::function<void(QWidget* form, const RuntimeError& error)>;

    explicit MainForm(ErrorReporter reportError = nullptr, Stopwatch stopwatch = Stopwatch());

    const Controls& controls() const { return m_controls; }
    const StatusLine& statusLine() const { return m_statusLine; }
    // The factor by which the form is drawn: 1 at its designed size.
    double scaleFactor() const { return m_scaleFactor; }

    void cmdAlle_Click();
    void cmdHalbe_Click();
    void cmdWurzel_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    // Ctrl+L: the comparison window for the number in the input box.
    void openComparisonWindow();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // One scan's row: its scan and boxes, and the widgets of its buttons and time box.
    struct Row {
        const ScanRow* scan;
        QPushButton* button;
        QPushButton* clearButton;
        QLineEdit* timeBox;
    };
    static std::array<Row, kScanCount> rowsOf(const Controls& controls);

    void runOrQueueScan(const Row& row);
    void runOneScan(const Row& row);
    void showFigures(const Row& row, const ScanFigures& figures);
    void clearRow(const Row& row);

    QWidget* m_clientArea;
    Controls m_controls;
    StatusLine m_statusLine;
    WidgetFormView m_view;
    ScanState m_state;
    Stopwatch m_stopwatch;
    ErrorReporter m_reportError;
    std::array<Row, kScanCount> m_rows;
    double m_scaleFactor = 1;
    // The status line's height at the designed size.
    int m_statusHeight = 0;
    bool m_scanRunning = false;
    bool m_closed = false;
    // Scan clicks that arrived while another scan ran, in click order.
    std::deque<const Row*> m_remembered;
    ComparisonLauncher m_comparison;
};

} // namespace faktorlupe
