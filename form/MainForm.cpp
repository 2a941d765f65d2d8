#include "form/MainForm.h"

#include "form/ErrorReport.h"
#include "form/WideHitArea.h"
#include "runtime/RuntimeError.h"
#include "scans/ResultTexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QImageReader>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStatusBar>
#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <string_view>
#include <utility>

namespace faktorlupe {
namespace {

constexpr QSize kDesignedSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
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
    } catch (const ScanAbandoned&) {
    } catch (const std::exception&) {
        return runtimeErrorOfCurrentException(
            "Für diese Rechnung hat der Arbeitsspeicher nicht gereicht; das Programm läuft "
            "weiter, die Zeile ist aber vielleicht unvollständig.",
            "Im Programm ist ein unerwarteter Fehler aufgetreten und die Rechnung wurde "
            "abgebrochen; das Programm läuft weiter.");
    }
    return std::nullopt;
}

// The factor that fits the designed form and its status line into a frame of the given size.
double fittingFactor(QSize frame, int statusHeight) {
    const double factor =
        std::min(static_cast<double>(frame.width()) / kDesignedSize.width(),
                 static_cast<double>(frame.height()) / (kDesignedSize.height() + statusHeight));
    return std::max(factor, kSmallestFactor);
}

// Every scan's buttons and time box are controls of the layout table, of the kinds the form casts
// them to.
constexpr bool isControlOfKind(std::string_view name, ControlKind kind) {
    const std::size_t index = controlIndex(name);
    return index < kControlCount && kControls[index].kind == kind;
}
constexpr bool scanRowsNameTheirControls() {
    for (const ScanRow& scan : kScanRows)
        if (!isControlOfKind(scan.scanButton, ControlKind::Button) ||
            !isControlOfKind(scan.clearButton, ControlKind::Button) ||
            !isControlOfKind(boxName(scan.time), ControlKind::SingleLineBox))
            return false;
    return true;
}
static_assert(scanRowsNameTheirControls());

// The icons are read as the PNGs they are: a file whose format Qt works out by itself is shown to
// every image plugin Qt has, each one loaded for that, before the window can show.
QIcon faktorlupeIcon() {
    QIcon icon;
    for (const char* size : {"48", "96"}) {
        QImageReader png(QStringLiteral(":/icons/%1/de.faktorlupe.Faktorlupe.png").arg(size),
                         "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    return icon;
}

template <typename Widget> Widget* control(const Controls& controls, std::string_view name) {
    return static_cast<Widget*>(controls.inTableOrder[controlIndex(name)]);
}

} // namespace

MainForm::MainForm(ErrorReporter reportError, Stopwatch stopwatch)
    : m_clientArea(new QWidget), m_controls(createControls(*m_clientArea)),
      m_statusLine(*statusBar()), m_view(m_controls, [this] { return m_closed; }),
      m_stopwatch(std::move(stopwatch)),
      m_reportError(reportError ? std::move(reportError) : ErrorReporter(showErrorReport)),
      m_rows(rowsOf(m_controls)), m_comparison(QCoreApplication::applicationDirPath()) {
    setCentralWidget(m_clientArea);
    setWindowTitle(QString::fromUtf8(kFormCaption));
    setWindowIcon(faktorlupeIcon());
    // The form's own font; only the "x" buttons show it.
    QFont font(QString::fromUtf8(kFormFontFamily));
    font.setPointSizeF(kFormFontPointSize);
    setFont(font);

    // The status line scales with the form, from its height at the designed size.
    m_statusHeight = statusBar()->sizeHint().height();
    setMinimumSize(
        static_cast<int>(std::ceil(kDesignedSize.width() * kSmallestFactor)),
        static_cast<int>(std::ceil((kDesignedSize.height() + m_statusHeight) * kSmallestFactor)));
    // Opens at the designed size. A window system shrinks a resizable window that does not fit
    // its screen, which it could not do while the window had a fixed size.
    resize(kDesignedSize.width(), kDesignedSize.height() + m_statusHeight);

    // Each row's buttons run its scan and empty it, as its _Click handlers do.
    std::vector<QPushButton*> clearButtons;
    for (const Row& row : m_rows) {
        connect(row.button, &QPushButton::clicked, this, [this, &row] { runOrQueueScan(row); });
        connect(row.clearButton, &QPushButton::clicked, this, [this, &row] { clearRow(row); });
        clearButtons.push_back(row.clearButton);
    }
    widenHitArea(*m_clientArea, std::move(clearButtons));
    auto* comparison = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    // Held down, the key hands the window the same number again and again.
    comparison->setAutoRepeat(false);
    connect(comparison, &QShortcut::activated, this, &MainForm::openComparisonWindow);
}

std::array<MainForm::Row, kScanCount> MainForm::rowsOf(const Controls& controls) {
    std::array<Row, kScanCount> rows{};
    for (std::size_t i = 0; i < kScanCount; ++i) {
        const ScanRow& scan = kScanRows[i];
        rows[i] = {&scan, control<QPushButton>(controls, scan.scanButton),
                   control<QPushButton>(controls, scan.clearButton),
                   control<QLineEdit>(controls, boxName(scan.time))};
    }
    return rows;
}

void MainForm::cmdAlle_Click() {
    runOrQueueScan(m_rows[0]);
}
void MainForm::cmdHalbe_Click() {
    runOrQueueScan(m_rows[1]);
}
void MainForm::cmdWurzel_Click() {
    runOrQueueScan(m_rows[2]);
}
void MainForm::Command1_Click() {
    clearRow(m_rows[0]);
}
void MainForm::Command2_Click() {
    clearRow(m_rows[1]);
}
void MainForm::Command3_Click() {
    clearRow(m_rows[2]);
}

void MainForm::openComparisonWindow() {
    m_statusLine.announce(m_comparison.open(m_controls.txtEingabe->text()));
}

void MainForm::runOrQueueScan(const Row& row) {
    // Scans never nest: one clicked while another runs (its click reached the window during
    // the running scan's yield) is remembered and runs after it, in click order.
    if (m_scanRunning) {
        m_remembered.push_back(&row);
        return;
    }
    runOneScan(row);
    while (!m_remembered.empty() && !m_closed) {
        const Row* next = m_remembered.front();
        m_remembered.pop_front();
        runOneScan(*next);
    }
}

void MainForm::runOneScan(const Row& row) {
    std::optional<RuntimeError> error;
    {
        const QScopedValueRollback<bool> running(m_scanRunning, true);
        const WaitCursor waitCursor;
        std::optional<ScanFigures> figures;
        error = caught([&] { figures = row.scan->run(m_state, m_view, m_stopwatch); });
        // What was written before an error stays.
        if (auto shown = caught([&] { m_view.flush(); }); !error)
            error = shown;
        if (figures && !error)
            showFigures(row, *figures);
    }
    if (error)
        m_reportError(this, *error);
}

void MainForm::showFigures(const Row& row, const ScanFigures& figures) {
    const std::string& separator = m_stopwatch.decimalSeparator();
    const ResultDescription texts = describeResult(
        row.button->text().toStdString(), row.button->accessibleName().toStdString(), m_state.zahl,
        figures, m_view.text(row.scan->result), m_view.text(row.scan->time), separator);
    row.timeBox->setToolTip(QString::fromStdString(preciseFiguresText(figures, separator)));
    row.timeBox->setAccessibleDescription(QString::fromStdString(texts.spokenFigures));
    const QString spoken = QString::fromStdString(texts.announcement);
    // Also the button tells its last result, when the focus comes back to it.
    row.button->setAccessibleDescription(spoken);
    m_statusLine.announce(QString::fromStdString(texts.statusLine),
                          QString::fromStdString(texts.spokenStatusLine), spoken);
}

void MainForm::clearRow(const Row& row) {
    const std::optional<RuntimeError> error = caught([&] {
        m_view.setText(row.scan->result, "");
        m_view.setText(row.scan->time, "");
        m_view.flush();
    });
    row.timeBox->setToolTip({});
    row.timeBox->setAccessibleDescription({});
    row.button->setAccessibleDescription({});
    m_statusLine.show({});
    if (error)
        m_reportError(this, *error);
}

void MainForm::closeEvent(QCloseEvent* event) {
    m_closed = true;
    m_remembered.clear();
    QMainWindow::closeEvent(event);
}

// Scaling only redraws: it touches no text and no scan state. During a scan's loop no events are
// handled, so a resize waits for the loop's end.
void MainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    m_scaleFactor = fittingFactor(size(), m_statusHeight);
    const int statusHeight = static_cast<int>(std::lround(m_statusHeight * m_scaleFactor));
    statusBar()->setFixedHeight(statusHeight);
    m_statusLine.scale(m_scaleFactor);
    const QSize area(width(), height() - statusHeight);
    const QSize drawn(static_cast<int>(std::lround(kDesignedSize.width() * m_scaleFactor)),
                      static_cast<int>(std::lround(kDesignedSize.height() * m_scaleFactor)));
    placeControls(m_controls, m_scaleFactor,
                  QPoint(std::max(0, (area.width() - drawn.width()) / 2),
                         std::max(0, (area.height() - drawn.height()) / 2)));
}

} // namespace faktorlupe
