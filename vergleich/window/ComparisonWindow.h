#pragma once

#include "vergleich/measurement/NumberFigures.h"
#include "vergleich/output/Chart.h"
#include "vergleich/window/MeasurementQueue.h"
#include "vergleich/worker/MeasurementSource.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QChartView;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace faktorlupe {
class ScreenReaderNotice;
}

namespace faktorlupe::vergleich {

class FiguresTable;

// "Faktorlupe – Laufzeitvergleich": the chart of faktorlupe-vergleich, filled in live while the
// numbers are measured, beside a table of the same figures. A line takes more numbers as pupils
// write them, "Neue Reihe" empties table and chart, "Reihe wählen" starts one of the presets, a
// switch chooses logarithmic or linear axes, and the chart and the figures can be saved. Its
// texts grow with the window, for a projector, and a screen reader hears what is wrong with a
// line or a measurement as soon as it is said. The window only shows: what it shows comes from
// its measurement source, and the chart from the same code as --chart. It owns its measurement
// source: whatever the source hands over arrives while the window is there, and closing the
// window stops the measurement.
class ComparisonWindow final : public QMainWindow {
public:
    explicit ComparisonWindow(std::unique_ptr<MeasurementSource> source,
                              Scale scale = Scale::Logarithmic);
    ~ComparisonWindow() override;

    // Measures the numbers after those already measured or waiting.
    void measure(const std::vector<std::int32_t>& numbers);
    // Neue Reihe: stops the measurement going on and empties the table and the chart.
    void startOver();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A measuring as a screen reader hears it: from the numbers given while none ran until the
    // last of them, however many were added meanwhile.
    struct Run {
        std::size_t doneBefore; // the numbers measured before it began
        QElapsedTimer clock;
    };

    QLayout* inputRow();
    void fillStatusBar(Scale scale);
    void measureTelling(QString lead, const std::vector<std::int32_t>& numbers);
    void tellStopped();
    void tellCurrentCell();
    void measureTypedNumbers();
    void showNumbersProblem(const QString& problem);
    void startNext();
    void cancel();
    void showProgress();
    void received(const NumberFigures& figures);
    void finished(const MeasurementEnd& end);
    Scale scale() const;
    void scheduleRedraw();
    void redraw();
    void scaleText();
    void save();

    std::unique_ptr<MeasurementSource> m_source;
    MeasurementQueue m_series;
    std::optional<Run> m_run;
    double m_textScale = 1;

    QLineEdit* m_numbers;
    QPushButton* m_measureButton;
    QPushButton* m_newSeries;
    QPushButton* m_presetButton;
    QMenu* m_presets;
    QLabel* m_numbersProblem;
    QChartView* m_chartView;
    QTableView* m_table;
    FiguresTable* m_model;
    QProgressBar* m_progress;
    QLabel* m_measurementProblem;
    QPushButton* m_cancel;
    QCheckBox* m_logarithmic;
    QPushButton* m_saveButton;
    ScreenReaderNotice* m_notice;
    QTimer* m_redrawTimer;
};

} // namespace faktorlupe::vergleich
