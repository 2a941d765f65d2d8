#include "MainForm.h"

#include "ErrorReport.h"
#include "LayoutTable.h"
#include "runtime/RuntimeError.h"
#include "scans/Scans.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QPushButton>
#include <QScopedValueRollback>
#include <exception>
#include <new>
#include <optional>
#include <utility>

namespace faktorlupe {
namespace {

// Shows the wait cursor for as long as it lives, on every way out of a scan.
class WaitCursor final {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Runs a handler's work and hands back the error it raised, if any. No exception may unwind
// through Qt's event dispatch: whatever the work throws becomes an error to report, the ones
// nobody foresaw the internal error.
template <typename Work> std::optional<RuntimeError> caught(Work&& work) {
    try {
        work();
    } catch (const RuntimeError& raised) {
        return raised;
    } catch (const ScanAbandoned&) {
    } catch (const std::bad_alloc&) {
        return RuntimeError(ErrorNumber::OutOfMemory);
    } catch (const std::exception&) {
        return RuntimeError(ErrorNumber::InternalError);
    }
    return std::nullopt;
}

} // namespace

MainForm::MainForm(ErrorReporter reportError, Stopwatch stopwatch)
    : m_controls(createControls(*this)), m_view(m_controls, [this] { return m_closed; }),
      m_stopwatch(std::move(stopwatch)),
      m_reportError(reportError ? std::move(reportError) : ErrorReporter(showErrorReport)) {
    setWindowTitle(QString::fromUtf8(kFormCaption));
    QIcon icon;
    for (const char* size : {"48", "96"})
        icon.addFile(QStringLiteral(":/icons/%1/de.faktorlupe.Faktorlupe.png").arg(size));
    setWindowIcon(icon);
    // Only the "x" buttons have no font of their own and show the form's.
    QFont font(QString::fromUtf8(kFormFontFamily));
    font.setPointSizeF(kFormFontPointSize);
    setFont(font);
    setFixedSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);

    connect(m_controls.cmdAlle, &QPushButton::clicked, this, &MainForm::cmdAlle_Click);
    connect(m_controls.cmdHalbe, &QPushButton::clicked, this, &MainForm::cmdHalbe_Click);
    connect(m_controls.cmdWurzel, &QPushButton::clicked, this, &MainForm::cmdWurzel_Click);
    connect(m_controls.Command1, &QPushButton::clicked, this, &MainForm::Command1_Click);
    connect(m_controls.Command2, &QPushButton::clicked, this, &MainForm::Command2_Click);
    connect(m_controls.Command3, &QPushButton::clicked, this, &MainForm::Command3_Click);
}

void MainForm::cmdAlle_Click() {
    runScan(runFullScan);
}
void MainForm::cmdHalbe_Click() {
    runScan(runHalfScan);
}
void MainForm::cmdWurzel_Click() {
    runScan(runRootScan);
}
void MainForm::Command1_Click() {
    clearRow(Box::txtAlle, Box::txtZeitAlle);
}
void MainForm::Command2_Click() {
    clearRow(Box::txtHalbe, Box::txtZeitHalbe);
}
void MainForm::Command3_Click() {
    clearRow(Box::txtWurzel, Box::txtZeitWurzel);
}

void MainForm::runScan(Scan scan) {
    // Scans never nest: one clicked while another runs (its click reached the window during
    // the running scan's yield) is remembered and runs after it, in click order.
    if (m_scanRunning) {
        m_remembered.push_back(scan);
        return;
    }
    runOneScan(scan);
    while (!m_remembered.empty() && !m_closed) {
        const Scan next = m_remembered.front();
        m_remembered.pop_front();
        runOneScan(next);
    }
}

void MainForm::runOneScan(Scan scan) {
    std::optional<RuntimeError> error;
    {
        const QScopedValueRollback<bool> running(m_scanRunning, true);
        const WaitCursor waitCursor;
        error = caught([&] { scan(m_state, m_view, m_stopwatch); });
        // What was written before an error stays.
        if (auto shown = caught([&] { m_view.flush(); }); !error)
            error = shown;
    }
    if (error)
        m_reportError(this, *error);
}

void MainForm::clearRow(Box result, Box time) {
    const std::optional<RuntimeError> error = caught([&] {
        m_view.setText(result, "");
        m_view.setText(time, "");
        m_view.flush();
    });
    if (error)
        m_reportError(this, *error);
}

void MainForm::closeEvent(QCloseEvent* event) {
    m_closed = true;
    m_remembered.clear();
    QWidget::closeEvent(event);
}

} // namespace faktorlupe
