#include "vergleich/window/ComparisonWindow.h"

#include "vergleich/measurement/NumberRange.h"
#include "vergleich/output/ReadableNumbers.h"
#include "vergleich/output/Report.h"
#include "vergleich/window/FiguresTable.h"
#include "vergleich/window/ProblemLabel.h"
#include "vergleich/window/SaveDialog.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineF>
#include <QLineSeries>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace faktorlupe::vergleich {
namespace {

// Often enough to watch the chart grow, rarely enough not to disturb the timings.
constexpr int kRedrawMilliseconds = 300;

} // namespace

ComparisonWindow::ComparisonWindow(std::unique_ptr<MeasurementSource> source, Scale scale)
    : m_source(std::move(source)), m_numbers(new QLineEdit), m_measureButton(new QPushButton),
      m_numbersProblem(new QLabel), m_chartView(new QChartView), m_table(new QTableView),
      m_model(new FiguresTable(this)), m_progress(new QProgressBar),
      m_measurementProblem(new QLabel), m_cancel(new QPushButton), m_logarithmic(new QCheckBox),
      m_saveButton(new QPushButton), m_redrawTimer(new QTimer(this)) {
    setWindowTitle(QStringLiteral("Faktorlupe – Laufzeitvergleich"));
    resize(1200, 760);

    auto* numbersLabel = new QLabel(QStringLiteral("&Zahlen:"));
    numbersLabel->setBuddy(m_numbers);
    m_numbers->setPlaceholderText(QStringLiteral("z. B. 717313 1000003"));
    m_numbers->setToolTip(QStringLiteral("Ganze Zahlen von 2 bis 2147483647, durch Leerzeichen "
                                         "getrennt"));
    m_measureButton->setText(QStringLiteral("&Messen"));
    m_numbers->setObjectName(QStringLiteral("numbers"));
    m_measureButton->setObjectName(QStringLiteral("measure"));
    m_numbersProblem->setObjectName(QStringLiteral("numbersProblem"));
    m_cancel->setObjectName(QStringLiteral("cancel"));
    m_progress->setObjectName(QStringLiteral("progress"));
    m_logarithmic->setObjectName(QStringLiteral("logarithmic"));
    m_saveButton->setObjectName(QStringLiteral("save"));
    showAsProblem(*m_numbersProblem);
    auto* input = new QHBoxLayout;
    input->addWidget(numbersLabel);
    input->addWidget(m_numbers, 2);
    input->addWidget(m_measureButton);
    input->addWidget(m_numbersProblem, 3);

    m_chartView->setRenderHint(QPainter::Antialiasing);
    // Hovering a point shows its figures.
    m_chartView->viewport()->setMouseTracking(true);
    m_chartView->viewport()->installEventFilter(this);
    m_chartView->setMinimumSize(400, 300);
    m_table->setModel(m_model);
    m_table->setAccessibleName(QStringLiteral("Messwerte"));
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto* copy = new QShortcut(QKeySequence::Copy, m_table);
    copy->setContext(Qt::WidgetWithChildrenShortcut);
    connect(copy, &QShortcut::activated, this, &ComparisonWindow::copySelection);
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(m_chartView);
    splitter->addWidget(m_table);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({480, 200});

    m_progress->setFormat(QStringLiteral("%v von %m"));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->setAccessibleName(QStringLiteral("Fortschritt"));
    m_measurementProblem->setObjectName(QStringLiteral("measurementProblem"));
    showAsProblem(*m_measurementProblem);
    m_measurementProblem->hide(); // until a measurement fails
    m_cancel->setText(QStringLiteral("&Abbrechen"));
    m_cancel->setEnabled(false);
    m_logarithmic->setText(QStringLiteral("&Logarithmische Achsen"));
    m_logarithmic->setChecked(scale == Scale::Logarithmic);
    m_logarithmic->setToolTip(QStringLiteral("Logarithmisch: das Wachstum über viele "
                                             "Größenordnungen; linear: der Faktor 2 zwischen "
                                             "»alle« und »Hälfte«"));
    m_saveButton->setText(QStringLiteral("&Speichern …"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_progress, 1);
    bottom->addWidget(m_measurementProblem, 2);
    bottom->addWidget(m_cancel);
    bottom->addWidget(m_logarithmic);
    bottom->addWidget(m_saveButton);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addLayout(input);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);
    setCentralWidget(central);

    m_redrawTimer->setSingleShot(true);
    m_redrawTimer->setInterval(kRedrawMilliseconds);
    connect(m_redrawTimer, &QTimer::timeout, this, &ComparisonWindow::redraw);
    connect(m_measureButton, &QPushButton::clicked, this, &ComparisonWindow::measureTypedNumbers);
    connect(m_numbers, &QLineEdit::returnPressed, this, &ComparisonWindow::measureTypedNumbers);
    connect(m_cancel, &QPushButton::clicked, this, &ComparisonWindow::cancel);
    connect(m_logarithmic, &QCheckBox::toggled, this, &ComparisonWindow::redraw);
    connect(m_saveButton, &QPushButton::clicked, this, &ComparisonWindow::save);
    redraw();
}

// The source goes first, before the widgets and figures its callbacks reach: it stops its
// worker and waits for it, and hands nothing over after that.
ComparisonWindow::~ComparisonWindow() {
    m_source.reset();
}

void ComparisonWindow::measure(const std::vector<std::int32_t>& numbers) {
    m_series.add(numbers);
    startNext();
    showProgress();
}

void ComparisonWindow::measureTypedNumbers() {
    std::vector<std::int32_t> numbers;
    for (const QString& text : m_numbers->text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        std::int32_t number = 0;
        if (const std::string problem = readNumber(text.toStdString(), number); !problem.empty()) {
            m_numbersProblem->setText(QString::fromStdString(problem));
            return;
        }
        numbers.push_back(number);
    }
    if (numbers.empty()) {
        m_numbersProblem->setText(QStringLiteral("Bitte mindestens eine Zahl eingeben."));
        return;
    }
    m_numbersProblem->clear();
    m_numbers->clear();
    measure(numbers);
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
    m_series.forgetWaiting();
    m_source->stop();
    showProgress();
}

void ComparisonWindow::received(const NumberFigures& figures) {
    m_series.received(figures);
    m_model->append(figures);
    showProgress();
    scheduleRedraw();
}

void ComparisonWindow::finished(const MeasurementEnd& end) {
    m_series.finished(!end.failure.isEmpty());
    m_cancel->setEnabled(false);
    // After a failure the figures measured so far stay, with a sentence saying why no more came.
    if (!end.failure.isEmpty()) {
        m_measurementProblem->setText(end.failure);
        m_measurementProblem->show();
    }
    redraw();
    startNext();
    showProgress();
}

void ComparisonWindow::showProgress() {
    m_progress->setRange(0, std::max(static_cast<int>(m_series.total()), 1));
    m_progress->setValue(static_cast<int>(m_series.done()));
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
    QChart* chart = buildChart(m_series.figures(), scale());
    m_chartView->setChart(chart);
    delete old;
}

bool ComparisonWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_chartView->viewport() && event->type() == QEvent::MouseMove)
        showPointTooltip(static_cast<QMouseEvent*>(event)->position().toPoint());
    return QMainWindow::eventFilter(watched, event);
}

// The measured point nearest to the mouse, if one lies within a few pixels, with its figures.
void ComparisonWindow::showPointTooltip(QPoint mouse) {
    constexpr double kReach = 10;
    QChart* chart = m_chartView->chart();
    const Scale scale = this->scale();
    double nearestDistance = kReach;
    const NumberFigures* nearest = nullptr;
    std::size_t scan = 0;
    for (QAbstractSeries* series : chart->series()) {
        const QVariant seriesScan = series->property("scan");
        if (!seriesScan.isValid())
            continue;
        const auto index = static_cast<std::size_t>(seriesScan.toInt());
        for (const NumberFigures& row : m_series.figures()) {
            if (row.scans[index].seconds <= 0)
                continue;
            const QPointF value(chartPosition(row.zahl, scale),
                                chartPosition(row.scans[index].seconds, scale));
            const QPointF drawn =
                m_chartView->mapFromScene(chart->mapToScene(chart->mapToPosition(value, series)));
            const double distance = QLineF(drawn, mouse).length();
            if (distance < nearestDistance) {
                nearestDistance = distance;
                nearest = &row;
                scan = index;
            }
        }
    }
    if (nearest == nullptr) {
        QToolTip::hideText();
        return;
    }
    const ScanFigures& figures = nearest->scans[scan];
    QToolTip::showText(QCursor::pos(),
                       QStringLiteral("Zahl: %1\nAlgorithmus: %2\nSekunden: %3\nKandidaten: %4")
                           .arg(readableNumber(nearest->zahl), QString::fromUtf8(kScanNames[scan]),
                                readableSeconds(figures.seconds),
                                readableNumber(static_cast<double>(figures.candidates))),
                       m_chartView);
}

void ComparisonWindow::save() {
    const std::optional<SaveChoice> choice =
        askWhereToSave(this, QStringLiteral("laufzeitvergleich.png"));
    if (!choice)
        return;
    const std::vector<NumberFigures>& figures = m_series.figures();
    QString problem;
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
    }
    if (!problem.isEmpty())
        QMessageBox::warning(this, windowTitle(), problem);
}

// The selected cells as tab-separated lines, as spreadsheets take them.
void ComparisonWindow::copySelection() {
    QModelIndexList selected = m_table->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end());
    QString text;
    int row = selected.front().row();
    for (qsizetype i = 0; i < selected.size(); ++i) {
        const QModelIndex& index = selected[i];
        if (i > 0)
            text += index.row() == row ? QLatin1Char('\t') : QLatin1Char('\n');
        row = index.row();
        text += index.data().toString();
    }
    QApplication::clipboard()->setText(text + QLatin1Char('\n'));
}

} // namespace faktorlupe::vergleich
