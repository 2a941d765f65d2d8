#include "vergleich/window/ComparisonWindow.h"

#include "qtworkarounds/ScreenReaderNotice.h"
#include "vergleich/measurement/MeasuringWords.h"
#include "vergleich/measurement/NumberRange.h"
#include "vergleich/output/Report.h"
#include "vergleich/output/SpreadsheetCsv.h"
#include "vergleich/window/ChartSummary.h"
#include "vergleich/window/FiguresTable.h"
#include "vergleich/window/PointTooltip.h"
#include "vergleich/window/Presets.h"
#include "vergleich/window/ProblemLabel.h"
#include "vergleich/window/SaveDialog.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QCursor>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

namespace faktorlupe::vergleich {
namespace {

// Often enough to watch the chart grow, rarely enough not to disturb the timings.
constexpr int kRedrawMilliseconds = 300;

// The size the window opens at and its texts are designed for; they grow as it grows beyond it,
// so that a maximised window on a projector can be read from the back of the room.
constexpr QSize kDesignedSize(1000, 660);

} // namespace

ComparisonWindow::ComparisonWindow(std::unique_ptr<MeasurementSource> source, Scale scale)
    : m_source(std::move(source)), m_numbers(new QLineEdit), m_measureButton(new QPushButton),
      m_newSeries(new QPushButton), m_presetButton(new QPushButton), m_presets(new QMenu(this)),
      m_numbersProblem(new QLabel), m_chartView(new QChartView), m_table(new QTableView),
      m_model(new FiguresTable(this)), m_progress(new QProgressBar),
      m_measurementProblem(new QLabel), m_cancel(new QPushButton), m_logarithmic(new QCheckBox),
      m_saveButton(new QPushButton), m_notice(new ScreenReaderNotice),
      m_redrawTimer(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Faktorlupe – Laufzeitvergleich"));
    resize(kDesignedSize);

    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setAccessibleName(QStringLiteral("Diagramm der Laufzeiten"));
    // Hovering a point shows its figures.
    m_chartView->viewport()->setMouseTracking(true);
    m_chartView->viewport()->installEventFilter(this);
    m_chartView->setMinimumSize(400, 300);
    m_table->setModel(m_model);
    m_table->setAccessibleName(QStringLiteral("Messwerte"));
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab goes on to the next control, not through every cell; the arrow keys walk the cells.
    m_table->setTabKeyNavigation(false);
    m_table->installEventFilter(this); // to tell a screen reader the cell it comes to
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* copy = new QShortcut(QKeySequence::Copy, m_table);
    copy->setContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QShortcut::activated, this, [this] {
        if (const QString text = selectedCellsText(*m_table); !text.isEmpty())
            QApplication::clipboard()->setText(text);
    });
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_chartView);
    splitter->addWidget(m_table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({360, 200});

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(inputRow());
    layout->addWidget(m_numbersProblem);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);
    fillStatusBar(scale);

    m_redrawTimer->setSingleShot(true);
    m_redrawTimer->setInterval(kRedrawMilliseconds);
    connect(m_redrawTimer, &QTimer::timeout, this, &ComparisonWindow::redraw);
    connect(m_measureButton, &QPushButton::clicked, this, &ComparisonWindow::measureTypedNumbers);
    connect(m_numbers, &QLineEdit::returnPressed, this, &ComparisonWindow::measureTypedNumbers);
    // A sentence about the line is about what stood there; a changed line has none yet.
    connect(m_numbers, &QLineEdit::textChanged, this, [this] { showNumbersProblem({}); });
    connect(m_newSeries, &QPushButton::clicked, this, [this] {
        tellStopped();
        startOver();
    });
    connect(m_cancel, &QPushButton::clicked, this, &ComparisonWindow::cancel);
    connect(m_logarithmic, &QCheckBox::toggled, this, &ComparisonWindow::redraw);
    connect(m_saveButton, &QPushButton::clicked, this, &ComparisonWindow::save);
    redraw();
    showProgress();
}

// The source goes first, before the widgets and figures its callbacks reach: it stops its
// worker and waits for it, and hands nothing over after that.
ComparisonWindow::~ComparisonWindow() {
    m_source.reset();
}

QLayout* ComparisonWindow::inputRow() {
    auto* numbersLabel = new QLabel(QStringLiteral("&Zahlen:"));
    numbersLabel->setBuddy(m_numbers);
    m_numbers->setObjectName(QStringLiteral("numbers"));
    m_numbers->setPlaceholderText(QStringLiteral("z. B. 1.000.003; 2 000 003"));
    m_numbers->setToolTip(QStringLiteral(
        "Ganze Zahlen von 2 bis 2.147.483.647, getrennt durch »;« oder Zeilenumbrüche; "
        "Tausender dürfen durch Punkte oder Leerzeichen abgesetzt sein"));
    m_measureButton->setObjectName(QStringLiteral("measure"));
    m_measureButton->setText(QStringLiteral("&Messen"));
    m_newSeries->setObjectName(QStringLiteral("newSeries"));
    m_newSeries->setText(QStringLiteral("&Neue Reihe"));
    m_newSeries->setToolTip(QStringLiteral("Hält die Messung an und leert Tabelle und Diagramm"));
    m_presetButton->setObjectName(QStringLiteral("presets"));
    m_presetButton->setText(QStringLiteral("Reihe &wählen"));
    m_presetButton->setToolTip(QStringLiteral("Beginnt eine neue Reihe mit vorbereiteten Zahlen"));
    // Qt hands a screen reader no sign of the button's menu: Orca would say "Druckknopf" alone.
    m_presetButton->setAccessibleDescription(QStringLiteral("Öffnet ein Menü. ") +
                                             m_presetButton->toolTip() + QLatin1Char('.'));
    m_presets->setAccessibleName(QStringLiteral("Reihe wählen"));
    m_presets->setToolTipsVisible(true);
    // Opened by its mnemonic, the menu has no item chosen, and a screen reader says nothing of
    // it until Down; so the first is chosen as it opens, once Qt is done opening it. Orca says
    // no popup menu's name of its own, so the menu is announced after its first item.
    connect(m_presets, &QMenu::aboutToShow, this, [this] {
        QTimer::singleShot(0, m_presets, [this] {
            if (!m_presets->activeAction() && !m_presets->actions().isEmpty())
                m_presets->setActiveAction(m_presets->actions().front());
            m_notice->announce(QStringLiteral("Menü ") + m_presets->accessibleName());
        });
    });
    for (const Preset& preset : presets()) {
        QAction* action = m_presets->addAction(preset.name);
        action->setToolTip(preset.description);
        connect(action, &QAction::triggered, this, [this, numbers = preset.numbers] {
            startOver();
            measure(numbers());
        });
    }
    m_presetButton->setMenu(m_presets);
    m_numbersProblem->setObjectName(QStringLiteral("numbersProblem"));
    showAsProblem(*m_numbersProblem);
    m_numbersProblem->hide(); // until a line is wrong

    auto* row = new QHBoxLayout;
    row->addWidget(numbersLabel);
    row->addWidget(m_numbers, 1);
    row->addWidget(m_measureButton);
    row->addSpacing(24);
    row->addWidget(m_newSeries);
    row->addWidget(m_presetButton);
    return row;
}

// The progress and the controls of the measurement stand in the window's status bar, beside the
// notice that tells screen readers of a wrong line or a failed measurement.
void ComparisonWindow::fillStatusBar(Scale scale) {
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setAccessibleName(QStringLiteral("Fortschritt"));
    m_measurementProblem->setObjectName(QStringLiteral("measurementProblem"));
    showAsProblem(*m_measurementProblem);
    m_measurementProblem->hide(); // until a measurement fails
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_cancel->setText(QStringLiteral("&Abbrechen"));
    m_cancel->setEnabled(false);
    m_logarithmic->setObjectName(QStringLiteral("logarithmic"));
    m_logarithmic->setText(QStringLiteral("&Logarithmische Achsen"));
    m_logarithmic->setChecked(scale == Scale::Logarithmic);
    m_logarithmic->setToolTip(QStringLiteral("Logarithmisch: das Wachstum über viele "
                                             "Größenordnungen; linear: der Faktor 2 zwischen "
                                             "»alle« und »Hälfte«"));
    m_saveButton->setObjectName(QStringLiteral("save"));
    m_saveButton->setText(QStringLiteral("&Speichern …"));

    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    bar->addWidget(m_notice);
    bar->addWidget(m_progress, 1);
    bar->addWidget(m_measurementProblem, 2);
    bar->addPermanentWidget(m_cancel);
    bar->addPermanentWidget(m_logarithmic);
    bar->addPermanentWidget(m_saveButton);
}

void ComparisonWindow::measure(const std::vector<std::int32_t>& numbers) {
    measureTelling({}, numbers);
}

// Measures the numbers and tells a screen reader the lead ("2 Zahlen übernommen"), and that a
// measuring starts if none ran, in one announcement: the notice holds one text at a time.
void ComparisonWindow::measureTelling(QString lead, const std::vector<std::int32_t>& numbers) {
    m_series.add(numbers);
    if (!m_run && !numbers.empty()) {
        m_run = Run{m_series.done(), {}};
        m_run->clock.start();
        const std::string started = measuringStarted(m_series.total() - m_run->doneBefore);
        if (!lead.isEmpty())
            lead += QStringLiteral(". ");
        lead += QString::fromStdString(started);
    }
    startNext();
    showProgress();
    if (!lead.isEmpty())
        m_notice->announce(lead);
}

// Abbrechen or Neue Reihe in the middle of a measuring: "Messung angehalten nach 3 von 5".
void ComparisonWindow::tellStopped() {
    if (!m_run)
        return;
    const std::size_t before = std::exchange(m_run, std::nullopt)->doneBefore;
    m_notice->announce(QString::fromStdString(
        measuringStopped(m_series.done() - before, m_series.total() - before)));
}

void ComparisonWindow::startOver() {
    m_run.reset();
    if (m_series.busy())
        m_source->stop();
    m_series.startOver();
    m_model->clear();
    m_measurementProblem->hide();
    redraw();
    showProgress();
}

void ComparisonWindow::measureTypedNumbers() {
    std::vector<std::int32_t> numbers;
    if (const Problem<std::string> problem =
            readTypedNumbers(m_numbers->text().toStdString(), numbers)) {
        showNumbersProblem(QString::fromStdString(*problem));
        return;
    }
    m_numbers->clear();
    measureTelling(QString::fromStdString(numbersTaken(numbers.size())), numbers);
}

void ComparisonWindow::showNumbersProblem(const QString& problem) {
    m_numbersProblem->setText(problem);
    m_numbersProblem->setVisible(!problem.isEmpty());
    // Read with the line whenever it gets the focus again, in place of its tooltip.
    m_numbers->setAccessibleDescription(problem);
    if (!problem.isEmpty())
        m_notice->announce(problem);
}

void ComparisonWindow::startNext() {
    std::vector<std::int32_t> numbers = m_series.handOutWaiting();
    if (numbers.empty())
        return;
    m_cancel->setEnabled(true);
    m_measurementProblem->hide();
    m_source->start(
        std::move(numbers), [this](const NumberFigures& figures) { received(figures); },
        [this](const MeasurementEnd& end) { finished(end); });
}

void ComparisonWindow::cancel() {
    tellStopped();
    m_series.forgetWaiting();
    m_source->stop();
    showProgress();
}

void ComparisonWindow::received(const NumberFigures& figures) {
    if (!m_series.received(figures))
        return;
    m_model->add(figures);
    showProgress();
    scheduleRedraw();
}

void ComparisonWindow::finished(const MeasurementEnd& end) {
    const bool current = m_series.finished(end.failure.has_value());
    m_cancel->setEnabled(false);
    // After a failure the figures measured so far stay, with a sentence saying why no more came.
    if (current && end.failure) {
        m_measurementProblem->setText(*end.failure);
        m_measurementProblem->show();
        m_notice->announce(*end.failure);
        m_run.reset();
    }
    redraw();
    startNext();
    showProgress();
    if (m_run && !m_series.busy()) {
        const Run run = *std::exchange(m_run, std::nullopt);
        m_notice->announce(QString::fromStdString(
            measuringFinished(m_series.done() - run.doneBefore,
                              static_cast<double>(run.clock.nsecsElapsed()) / 1e9)));
    }
}

void ComparisonWindow::showProgress() {
    // An empty series: an empty bar that says so, not "0 von 1" nor Qt's busy animation.
    const int total = static_cast<int>(m_series.total());
    m_progress->setFormat(total == 0 ? QStringLiteral("0 von 0") : QStringLiteral("%v von %m"));
    m_progress->setRange(0, std::max(total, 1));
    m_progress->setValue(static_cast<int>(m_series.done()));
    // Orca reads a bar's value in percent only; its name carries the count, read when asked.
    m_progress->setAccessibleName(
        QStringLiteral("Fortschritt: ") +
        QString::fromStdString(progressOf(m_series.done(), m_series.total())));
}

Scale ComparisonWindow::scale() const {
    return m_logarithmic->isChecked() ? Scale::Logarithmic : Scale::Linear;
}

void ComparisonWindow::scheduleRedraw() {
    if (!m_redrawTimer->isActive())
        m_redrawTimer->start();
}

void ComparisonWindow::redraw() {
    m_redrawTimer->stop();
    QChart* old = m_chartView->chart();
    QChart* chart = buildChart(m_series.figures(), scale(), m_textScale);
    m_chartView->setChart(chart);
    delete old;
    m_chartView->setAccessibleDescription(chartSummary(m_series.figures()));
}

void ComparisonWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    scaleText();
}

// The window's texts at the multiple of their designed size that the window has grown by, never
// below it: a window squeezed onto a small screen keeps readable texts.
void ComparisonWindow::scaleText() {
    const double factor =
        std::max(1.0, std::min(static_cast<double>(width()) / kDesignedSize.width(),
                               static_cast<double>(height()) / kDesignedSize.height()));
    if (std::abs(factor - m_textScale) < 0.01)
        return;
    m_textScale = factor;
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * factor);
    centralWidget()->setFont(font);
    statusBar()->setFont(font);
    m_presets->setFont(font); // a menu is a window of its own and takes no font from the button
    scaleChartText(*m_chartView->chart(), factor);
    m_table->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() * 3 / 2);
}

// Qt makes the first cell current as Tab enters the table but tells a screen reader only of the
// table ("Messwerte. Tabelle mit 5 Zeilen 11 Spalten."), and the first Down reads row 2: so the
// current cell is made current anew, which Qt does tell.
void ComparisonWindow::tellCurrentCell() {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || !m_table->hasFocus())
        return;
    m_table->selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    m_table->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}

bool ComparisonWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &ComparisonWindow::tellCurrentCell);
    if (watched == m_chartView->viewport() && event->type() == QEvent::MouseMove) {
        const QString text = pointTooltip(*m_chartView, m_series.figures(), scale(),
                                          static_cast<QMouseEvent*>(event)->position().toPoint());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(QCursor::pos(), text, m_chartView);
    }
    return QMainWindow::eventFilter(watched, event);
}

void ComparisonWindow::save() {
    const std::optional<SaveChoice> choice =
        askWhereToSave(this, QStringLiteral("laufzeitvergleich.png"));
    if (!choice)
        return;
    const std::vector<NumberFigures>& figures = m_series.figures();
    Problem<QString> problem;
    switch (choice->format) {
    case SaveFormat::Png:
        problem = writeChart(choice->path, ChartFormat::Png, figures, scale());
        break;
    case SaveFormat::Svg:
        problem = writeChart(choice->path, ChartFormat::Svg, figures, scale());
        break;
    case SaveFormat::Csv:
        problem = writeCsvFile(choice->path, figures);
        break;
    case SaveFormat::SpreadsheetCsv:
        problem = writeSpreadsheetCsvFile(choice->path, figures);
        break;
    }
    if (problem)
        QMessageBox::warning(this, windowTitle(), *problem);
}

} // namespace faktorlupe::vergleich
