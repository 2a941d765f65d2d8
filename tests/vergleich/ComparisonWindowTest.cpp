#include "vergleich/window/ComparisonWindow.h"

#include "ThemeColours.h"
#include "desktop/DesktopApplication.h"
#include "vergleich/measurement/DefaultSeries.h"
#include "vergleich/worker/ThreadedMeasurement.h"

#include <QAbstractAxis>
#include <QAccessible>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <set>

// Failures show texts as they read.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace faktorlupe::vergleich {
namespace {

// Hands over the figures the test gives it, when the test gives them.
class FakeSource final : public MeasurementSource {
public:
    void start(std::vector<std::int32_t> numbers, Delivered delivered, Finished finished) override {
        started.push_back(std::move(numbers));
        deliver = std::move(delivered);
        finish = std::move(finished);
    }
    void stop() override { ++stops; }

    std::vector<std::vector<std::int32_t>> started;
    Delivered deliver;
    Finished finish;
    int stops = 0;
};

NumberFigures figuresOf(std::int32_t zahl) {
    const auto root = static_cast<std::int64_t>(std::sqrt(zahl));
    return {zahl,
            2,
            {{{zahl - 1, 2, zahl * 1e-9}, {zahl / 2 - 1, 2, zahl * 5e-10}, {root - 1, 2, 1e-6}}}};
}

// Until the condition holds or a minute has passed. The real worker measures each number for at
// least three times 50 ms, which a machine busy with other builds stretches to seconds; the wait
// ends as soon as the condition holds, so only a failing test waits the whole minute.
template <typename Condition> bool waitFor(Condition condition) {
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return condition();
}

class ComparisonWindowTest : public ::testing::Test {
protected:
    ComparisonWindowTest() {
        auto fake = std::make_unique<FakeSource>();
        source = fake.get();
        window = std::make_unique<ComparisonWindow>(std::move(fake));
        window->show();
    }

    template <typename Widget> Widget* find(const char* name = nullptr) {
        return name ? window->findChild<Widget*>(QString::fromLatin1(name))
                    : window->findChild<Widget*>();
    }
    // The points of the measured series; the chart is redrawn a few times a second.
    int measuredPoints() {
        int points = 0;
        for (QAbstractSeries* series : find<QChartView>()->chart()->series())
            if (series->property("scan").isValid())
                points += static_cast<QLineSeries*>(series)->count();
        return points;
    }
    bool waitForPoints(int points) {
        return waitFor([&] { return measuredPoints() == points; });
    }
    const QAbstractItemModel& rows() { return *find<QTableView>()->model(); }
    // What screen readers were last told to speak: the name of the notification in the shown
    // status bar; empty when there is none.
    QString announced() {
        for (QWidget* widget : window->statusBar()->findChildren<QWidget*>()) {
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
            if (spoken && spoken->role() == QAccessible::Notification &&
                window->statusBar()->isVisible() && widget->isVisible())
                return spoken->text(QAccessible::Name);
        }
        return {};
    }
    QString cell(int row, int column, int role = Qt::DisplayRole) {
        return rows().index(row, column).data(role).toString();
    }
    // The column of the table under a heading, its line breaks read as blanks.
    int columnIndex(const QString& heading) {
        for (int c = 0; c < rows().columnCount(); ++c)
            if (rows().headerData(c, Qt::Horizontal).toString().replace('\n', ' ') == heading)
                return c;
        ADD_FAILURE() << "no column " << heading.toStdString();
        return 0;
    }
    QStringList columnTexts(const char* heading) {
        QStringList texts;
        for (int row = 0; row < rows().rowCount(); ++row)
            texts << cell(row, columnIndex(QString::fromUtf8(heading)));
        return texts;
    }
    // The chart as drawn now; it is redrawn a few times a second as figures come.
    QChart* chart() { return find<QChartView>()->chart(); }
    static QLineSeries* series(QChart* chart, const char* kind, int scan) {
        for (QAbstractSeries* each : chart->series())
            if (each->property(kind) == scan)
                return static_cast<QLineSeries*>(each);
        return nullptr;
    }
    // The line filled as a paste fills it, then Return.
    void typeAndMeasure(const char* typed) {
        auto* line = find<QLineEdit>("numbers");
        line->setText(QString::fromUtf8(typed));
        QTest::keyClick(line, Qt::Key_Return);
    }

    FakeSource* source;
    std::unique_ptr<ComparisonWindow> window;
};

TEST_F(ComparisonWindowTest, PointsAndRowsAppearAsFiguresArrive) {
    window->measure({11, 101, 1009});
    ASSERT_EQ(source->started, (std::vector<std::vector<std::int32_t>>{{11, 101, 1009}}));
    EXPECT_EQ(find<QProgressBar>("progress")->text(), "0 von 3");
    EXPECT_EQ(announced(), "Messung läuft: 3 Zahlen");
    source->deliver(figuresOf(11));
    EXPECT_TRUE(waitForPoints(3));
    EXPECT_EQ(find<QTableView>()->model()->rowCount(), 1);
    EXPECT_EQ(find<QProgressBar>("progress")->text(), "1 von 3");
    EXPECT_EQ(find<QProgressBar>("progress")->accessibleName(), "Fortschritt: 1 von 3");
    source->deliver(figuresOf(101));
    EXPECT_TRUE(waitForPoints(6));
    EXPECT_EQ(find<QTableView>()->model()->rowCount(), 2);
    EXPECT_EQ(find<QTableView>()->model()->index(1, 0).data().toString(), "101");
    // The switch to linear axes draws the same points anew.
    find<QCheckBox>("logarithmic")->setChecked(false);
    EXPECT_EQ(measuredPoints(), 6);
    EXPECT_EQ(announced(), "Messung läuft: 3 Zahlen");
    source->deliver(figuresOf(1009));
    source->finish({false, {}});
    EXPECT_TRUE(announced().startsWith("Messung fertig: 3 Zahlen in "));
}

// Abbrechen while 11 is measured and more numbers wait: the worker stops before 11 is done, or
// it had passed its last check for a stop and finishes 11. Either way the bar ends full.
struct Abbrechen {
    const char* name;
    std::vector<std::vector<std::int32_t>> batches;
    bool deliveredBeforeTheClick;
    bool stopped;
    const char* told; // after "Messung angehalten nach "
};

class AbbrechenTest : public ComparisonWindowTest,
                      public ::testing::WithParamInterface<Abbrechen> {};

TEST_P(AbbrechenTest, StopsTheSourceAndTheBarAddsUp) {
    for (const std::vector<std::int32_t>& batch : GetParam().batches)
        window->measure(batch);
    if (GetParam().deliveredBeforeTheClick)
        source->deliver(figuresOf(11));
    find<QPushButton>("cancel")->click();
    EXPECT_EQ(source->stops, 1);
    const QString told = QStringLiteral("Messung angehalten nach ") + GetParam().told;
    EXPECT_EQ(announced(), told);
    if (!GetParam().deliveredBeforeTheClick)
        source->deliver(figuresOf(11));
    source->finish({GetParam().stopped, {}});
    EXPECT_FALSE(find<QPushButton>("cancel")->isEnabled());
    EXPECT_EQ(find<QProgressBar>("progress")->text(), "1 von 1");
    EXPECT_EQ(source->started.size(), 1u);
    EXPECT_EQ(announced(), told); // not "Messung fertig" besides
}

INSTANTIATE_TEST_SUITE_P(
    Window, AbbrechenTest,
    ::testing::Values(Abbrechen{"StoppedInTheMiddle", {{11, 101, 1009}}, true, true, "1 von 3"},
                      Abbrechen{
                          "AfterItsLastCheckForAStop", {{11}, {101}}, false, false, "0 von 2"}),
    [](const auto& info) { return std::string(info.param.name); });

// The line as pupils write numbers: German grouping, several after ";" or on lines of their own.
// A wrong line measures nothing and says why in a pupil's words, until the line changes.
TEST_F(ComparisonWindowTest, TheLineTakesNumbersAsPupilsWriteThem) {
    EXPECT_TRUE(
        find<QLineEdit>("numbers")->placeholderText().contains(QStringLiteral("1.000.003; ")));
    typeAndMeasure("12 zwölf");
    EXPECT_TRUE(source->started.empty());
    auto* problem = find<QLabel>("numbersProblem");
    EXPECT_EQ(problem->text(), QStringLiteral("»12 zwölf« ist keine ganze Zahl."));
    EXPECT_TRUE(problem->isVisible());
    EXPECT_EQ(announced(), problem->text());
    EXPECT_EQ(find<QLineEdit>("numbers")->accessibleDescription(), problem->text());
    QTest::keyClick(find<QLineEdit>("numbers"), Qt::Key_Backspace);
    EXPECT_FALSE(problem->isVisible());
    EXPECT_TRUE(problem->text().isEmpty());

    find<QLineEdit>("numbers")->setText(QStringLiteral("2.000.003; 4 000 037\n717313"));
    find<QPushButton>("measure")->click();
    EXPECT_EQ(source->started,
              (std::vector<std::vector<std::int32_t>>{{2000003, 4000037, 717313}}));
    EXPECT_TRUE(find<QLineEdit>("numbers")->text().isEmpty());
    EXPECT_EQ(announced(), "3 Zahlen übernommen. Messung läuft: 3 Zahlen");
}

// Neue Reihe in the middle of a measurement: the worker is asked to stop, table and chart are
// empty at once, and what the worker still hands over of the old series is not shown. Numbers
// given meanwhile are measured once it is done.
TEST_F(ComparisonWindowTest, NeueReiheEmptiesTableAndChart) {
    window->measure({11, 101, 1009});
    source->deliver(figuresOf(11));
    ASSERT_TRUE(waitForPoints(3));
    find<QPushButton>("newSeries")->click();
    EXPECT_EQ(source->stops, 1);
    EXPECT_EQ(rows().rowCount(), 0);
    EXPECT_EQ(measuredPoints(), 0);
    EXPECT_EQ(find<QProgressBar>("progress")->text(), "0 von 0");

    typeAndMeasure("97");
    source->deliver(figuresOf(101));
    source->finish({false, QStringLiteral("Die Messung von 1009 ist gescheitert: x.")});
    EXPECT_EQ(rows().rowCount(), 0);
    EXPECT_FALSE(find<QLabel>("measurementProblem")->isVisible());
    ASSERT_EQ(source->started.size(), 2u);
    EXPECT_EQ(source->started.back(), std::vector<std::int32_t>{97});
    EXPECT_EQ(find<QProgressBar>("progress")->text(), "0 von 1");
    source->deliver(figuresOf(97));
    EXPECT_EQ(columnTexts("Zahl"), QStringList{"97"});
}

// "Reihe wählen" starts one of the presets as a new series.
struct PresetChoice {
    const char* name;
    const char* entry;
    std::vector<std::int32_t> (*numbers)();
};

class PresetTest : public ComparisonWindowTest,
                   public ::testing::WithParamInterface<PresetChoice> {};

TEST_P(PresetTest, StartsANewSeriesWithItsNumbers) {
    window->measure({11});
    source->deliver(figuresOf(11));
    QAction* chosen = nullptr;
    for (QAction* action : find<QPushButton>("presets")->menu()->actions())
        if (action->text() == QString::fromUtf8(GetParam().entry))
            chosen = action;
    ASSERT_NE(chosen, nullptr) << GetParam().entry;
    chosen->trigger();
    EXPECT_EQ(rows().rowCount(), 0);
    source->finish({true, {}});
    ASSERT_EQ(source->started.size(), 2u);
    EXPECT_EQ(source->started.back(), GetParam().numbers());
}

INSTANTIATE_TEST_SUITE_P(
    Window, PresetTest,
    ::testing::Values(PresetChoice{"Doubling", "Verdopplung (Primzahlen)", doublingSeries},
                      PresetChoice{"Default", "Standardreihe (30 Primzahlen)", defaultSeries}),
    [](const auto& info) { return std::string(info.param.name); });

// Rows by their number, whatever order they came in, with each time's factor to the row above;
// the chart's axis ends near the largest number, not a decade beyond it.
TEST_F(ComparisonWindowTest, RowsSortedByNumberWithFactors) {
    window->measure({97, 12, 1000003});
    for (const std::int32_t zahl : {97, 12, 1000003})
        source->deliver(figuresOf(zahl));
    EXPECT_EQ(columnTexts("Zahl"), (QStringList{"12", "97", "1\u00A0000\u00A0003"}));
    // 97 / 12 and 1000003 / 97, as the times of alle and Hälfte grow with the number; the
    // root scan takes the same time for each.
    for (const char* heading : {"Faktor alle", "Faktor Hälfte"})
        EXPECT_EQ(columnTexts(heading), (QStringList{"", "×\u00A08,1", "×\u00A010\u00A0309"}))
            << heading;
    EXPECT_EQ(columnTexts("Faktor Wurzel"), (QStringList{"", "×\u00A01,0", "×\u00A01,0"}));
    ASSERT_TRUE(waitForPoints(9));
    const QAbstractAxis* x = chart()->axes(Qt::Horizontal).front();
    EXPECT_GT(x->property("max").toDouble(), std::log10(1000003));
    EXPECT_LT(x->property("max").toDouble(), std::log10(1000003) + 0.3);
}

// A time whose three measurements spread by more than 20 % is marked, and its tooltip says by
// how much.
TEST_F(ComparisonWindowTest, NoisyTimesAreMarked) {
    NumberFigures steady = figuresOf(101);
    steady.ranges[0] = {1.0e-7, 1.15e-7};
    NumberFigures noisy = figuresOf(1009);
    noisy.ranges[0] = {1.0e-6, 1.35e-6};
    window->measure({101, 1009});
    source->deliver(steady);
    source->deliver(noisy);
    const int time = columnIndex(QStringLiteral("Zeit alle"));
    EXPECT_FALSE(cell(0, time).contains(QStringLiteral("⚠")));
    EXPECT_TRUE(cell(0, time, Qt::ToolTipRole).contains(QStringLiteral("15\u00A0%")));
    EXPECT_TRUE(cell(1, time).endsWith(QStringLiteral("⚠")));
    EXPECT_TRUE(cell(1, time, Qt::ToolTipRole).contains(QStringLiteral("35\u00A0%")));
    EXPECT_TRUE(cell(1, time, Qt::AccessibleTextRole).contains(QStringLiteral("unsicher")));
    // Why, read once after "unsicher", and the row's number read with each of its cells.
    EXPECT_TRUE(cell(1, time, Qt::AccessibleDescriptionRole).contains(QStringLiteral("35\u00A0%")));
    EXPECT_FALSE(cell(1, time, Qt::AccessibleDescriptionRole).contains(QStringLiteral("unsicher")));
    EXPECT_EQ(rows().headerData(1, Qt::Vertical).toString(), "1\u00A0009");
}

// The guide lines are named for pupils and stay inside the plot area on either scale; on linear
// axes each is the least-squares line through the origin. The three scans differ in the shape of
// their points and the dashes of their guides, for a black-and-white worksheet.
TEST_F(ComparisonWindowTest, GuideLinesFittedInTheScaleShown) {
    window->measure({1000003, 2000003, 4000037});
    // alle: 1 ms, 2 ms and 4.4 ms; through the origin the slope is
    // (1e6 * 1e-3 + 2e6 * 2e-3 + 4e6 * 4.4e-3) / (1e12 + 4e12 + 16e12) s a number, by hand.
    const double seconds[] = {1e-3, 2e-3, 4.4e-3};
    for (int i = 0; i < 3; ++i) {
        NumberFigures figures = figuresOf(1000000 << i);
        figures.scans[0].seconds = seconds[i];
        source->deliver(figures);
    }
    ASSERT_TRUE(waitForPoints(9));
    const char* names[] = {"linear (n)", "linear, halb so steil (n/2)", "wie die Wurzel (√n)"};
    for (const bool logarithmic : {true, false}) {
        find<QCheckBox>("logarithmic")->setChecked(logarithmic);
        QChart* shown = chart();
        std::set<Qt::PenStyle> dashes;
        std::set<qint64> markers;
        for (int scan = 0; scan < 3; ++scan) {
            QLineSeries* guide = series(shown, "guide", scan);
            ASSERT_NE(guide, nullptr);
            EXPECT_EQ(guide->name(), QString::fromUtf8(names[scan]).toHtmlEscaped());
            const QAbstractAxis* x = guide->attachedAxes().front();
            const QAbstractAxis* y = guide->attachedAxes().back();
            ASSERT_GT(guide->count(), 1);
            for (const QPointF& point : guide->points()) {
                EXPECT_GE(point.x(), x->property("min").toDouble() - 1e-9);
                EXPECT_LE(point.x(), x->property("max").toDouble() + 1e-9);
                EXPECT_GE(point.y(), y->property("min").toDouble() - 1e-9);
                EXPECT_LE(point.y(), y->property("max").toDouble() + 1e-9);
            }
            dashes.insert(guide->pen().style());
            const QImage marker = series(shown, "scan", scan)->lightMarker();
            EXPECT_FALSE(marker.isNull());
            markers.insert(marker.cacheKey());
        }
        EXPECT_EQ(dashes.size(), 3u);
        EXPECT_EQ(markers.size(), 3u);
    }
    for (const QPointF& point : series(chart(), "guide", 0)->points()) {
        if (point.x() > 0) {
            EXPECT_NEAR(point.y() / point.x(), 22.6e3 / 21e12, 1e-15);
        }
    }
}

// Tab goes from the table to the next control instead of through its cells, and the chart it
// comes from tells a screen reader what it shows.
TEST_F(ComparisonWindowTest, KeyboardAndScreenReader) {
    window->measure({11, 101});
    source->deliver(figuresOf(11));
    source->deliver(figuresOf(101));
    ASSERT_TRUE(waitForPoints(6));
    auto* chartView = find<QChartView>();
    EXPECT_FALSE(chartView->accessibleName().isEmpty());
    EXPECT_TRUE(
        chartView->accessibleDescription().startsWith(QStringLiteral("2 Zahlen von 11 bis 101.")))
        << chartView->accessibleDescription().toStdString();
    // The growth from the fitted guides, and one full stop after "Mrd.".
    source->finish({false, {}});
    window->measure({4000037, 1600000009});
    source->deliver(figuresOf(4000037));
    source->deliver(figuresOf(1600000009));
    EXPECT_TRUE(waitFor([&] {
        return chartView->accessibleDescription().startsWith(
            QStringLiteral("4 Zahlen von 11 bis 1,6\u00A0Mrd. Algorithmus"));
    }));
    EXPECT_TRUE(chartView->accessibleDescription().endsWith(QStringLiteral(
        " Algorithmus >alle< wächst wie n, >Hälfte< wie n, >Wurzel< wie die Wurzel von n.")));
    // The menu button says what it opens, and the menu chooses its first entry as it opens.
    QMenu* menu = find<QPushButton>("presets")->menu();
    EXPECT_TRUE(find<QPushButton>("presets")->accessibleDescription().startsWith("Öffnet"));
    menu->popup({0, 0});
    EXPECT_TRUE(waitFor([&] { return menu->activeAction() == menu->actions().front(); }));
    window->activateWindow();
    auto* table = find<QTableView>();
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 0));
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_FALSE(table->hasFocus());
    EXPECT_EQ(table->currentIndex(), table->model()->index(0, 0));
}

// The window's texts grow with it, for a projector, and never shrink below their designed size.
TEST_F(ComparisonWindowTest, TextGrowsWithTheWindow) {
    window->resize(1000, 660);
    const double designed = find<QTableView>()->font().pointSizeF();
    const double title = chart()->titleFont().pointSizeF();
    window->resize(2000, 1320);
    EXPECT_DOUBLE_EQ(find<QTableView>()->font().pointSizeF(), 2 * designed);
    EXPECT_DOUBLE_EQ(find<QPushButton>("newSeries")->font().pointSizeF(), 2 * designed);
    EXPECT_DOUBLE_EQ(chart()->titleFont().pointSizeF(), 2 * title);
    window->resize(500, 330);
    EXPECT_DOUBLE_EQ(find<QTableView>()->font().pointSizeF(), designed);
}

// Under a German locale Qt's own buttons and dialogs speak German, as the programs prepare it.
TEST(QtTranslationTest, QtsOwnTextsAreGermanUnderAGermanLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    prepareDesktopApplication(*qApp);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Frage"), QStringLiteral("Frage?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Abbrechen");
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QLocale::setDefault(saved);
}

TEST_F(ComparisonWindowTest, AFailureIsSaidAndTheFiguresMeasuredSoFarStay) {
    window->measure({11, 101, 1009});
    source->deliver(figuresOf(11));
    const QString failure = QStringLiteral("Die Messung von 101 ist gescheitert: der "
                                           "Arbeitsspeicher reichte nicht.");
    source->finish({false, failure});
    EXPECT_EQ(find<QLabel>("measurementProblem")->text(), failure);
    EXPECT_TRUE(find<QLabel>("measurementProblem")->isVisible());
    EXPECT_EQ(announced(), failure);
    EXPECT_EQ(find<QTableView>()->model()->rowCount(), 1);
    EXPECT_EQ(find<QProgressBar>("progress")->text(), "1 von 1");
    EXPECT_FALSE(find<QPushButton>("cancel")->isEnabled());
}

// The sentences about a wrong number and a failed measurement read at 4.5 to 1 or more under a
// light and under a dark desktop theme.
class ProblemContrastTest : public ::testing::TestWithParam<bool> {};

TEST_P(ProblemContrastTest, ProblemsAreReadable) {
    const QPalette saved = QApplication::palette();
    if (GetParam())
        QApplication::setPalette(darkThemePalette());
    {
        ComparisonWindow window(std::make_unique<FakeSource>());
        window.show();
        for (const char* name : {"numbersProblem", "measurementProblem"}) {
            const QPalette& palette = window.findChild<QLabel*>(name)->palette();
            EXPECT_GE(
                contrast(palette.color(QPalette::WindowText), palette.color(QPalette::Window)), 4.5)
                << name;
        }
    }
    QApplication::setPalette(saved);
}

INSTANTIATE_TEST_SUITE_P(Window, ProblemContrastTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Dark" : "Light"; });

// --linear: the window starts on linear axes.
TEST(ComparisonWindowScaleTest, StartsOnTheScaleItIsGiven) {
    for (const Scale scale : {Scale::Linear, Scale::Logarithmic}) {
        const ComparisonWindow window(std::make_unique<FakeSource>(), scale);
        EXPECT_EQ(window.findChild<QCheckBox*>("logarithmic")->isChecked(),
                  scale == Scale::Logarithmic);
    }
}

// Runs the step on the dialog of its kind that the next turn of an event loop finds open: the
// one that the click about to be made opens, from within the event loop it runs.
template <typename Dialog> void whenShown(std::function<void(Dialog*)> step) {
    QTimer::singleShot(0, [step] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            step(dialog);
    });
}

// "Speichern …" through Qt's own file dialog, driven as a user drives it: the file type picked
// with the arrow keys, the name typed, Return, and the answer to a question about replacing a file.
struct Saving {
    const char* name;
    int filter; // how often Down is pressed in the file types: 0 PNG, 1 SVG, 2 CSV, 3 CSV for
                // spreadsheets
    const char* typed;
    const char* existing;               // a file that is there before, or none
    QMessageBox::StandardButton answer; // NoButton where no question is expected
    const char* written;                // the file written, or none
    const char* startsWith;             // what the written file begins with
    const char* link = nullptr;         // a link of this name to the existing file
    const char* locale = nullptr;       // the locale the dialog runs under, else the system's
};

// The program's locale for one test, the one before afterwards.
struct DefaultLocale {
    QLocale before;
    explicit DefaultLocale(const char* name) {
        if (name)
            QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    }
    ~DefaultLocale() { QLocale::setDefault(before); }
};

class SaveTest : public ComparisonWindowTest, public ::testing::WithParamInterface<Saving> {};

TEST_P(SaveTest, WritesWhatTheUserChose) {
    const Saving& saving = GetParam();
    const DefaultLocale locale(saving.locale);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir here(folder.path());
    const QByteArray old("die alte Datei\n");
    if (saving.existing) {
        QFile file(here.filePath(saving.existing));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    if (saving.link) {
        ASSERT_TRUE(QFile::link(saving.existing, here.filePath(saving.link)));
    }
    window->measure({11});
    source->deliver(figuresOf(11));
    source->finish({});

    QString question;
    whenShown<QFileDialog>([&](QFileDialog* dialog) {
        dialog->setDirectory(here); // where the user has gone in it
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        for (int i = 0; i < saving.filter; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        name->selectAll();
        QTest::keyClicks(name, saving.typed);
        if (saving.answer != QMessageBox::NoButton)
            whenShown<QMessageBox>([&, dialog](QMessageBox* box) {
                question = box->text();
                box->button(saving.answer)->click();
                if (saving.answer == QMessageBox::No)
                    QTimer::singleShot(0, dialog, &QDialog::reject);
            });
        QTest::keyClick(name, Qt::Key_Return);
    });
    find<QPushButton>("save")->click();

    if (saving.answer != QMessageBox::NoButton) {
        EXPECT_TRUE(question.contains(QString::fromUtf8(saving.existing)))
            << "asked: " << question.toStdString();
    }
    QStringList expected;
    for (const char* file : {saving.existing, saving.written, saving.link})
        if (file && !expected.contains(file))
            expected << file;
    expected.sort();
    EXPECT_EQ(here.entryList(QDir::Files), expected);
    if (saving.existing && saving.written == nullptr) {
        QFile file(here.filePath(saving.existing));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), old);
    }
    if (saving.written) {
        QFile file(here.filePath(saving.written));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(saving.startsWith)) << saving.written;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, SaveTest,
    ::testing::Values(Saving{"ReplacesOnlyAfterAskingByTheWholeName", 2, "messung", "messung.csv",
                             QMessageBox::Yes, "messung.csv", "zahl,teiler,"},
                      Saving{"KeepsTheOldFileWhenTheAnswerIsNo", 2, "messung", "messung.csv",
                             QMessageBox::No, nullptr, nullptr},
                      Saving{"ATypedEndingChoosesTheFormat", 0, "x.svg", nullptr,
                             QMessageBox::NoButton, "x.svg", "<?xml"},
                      Saving{"ForASpreadsheet", 3, "messung", nullptr, QMessageBox::NoButton,
                             "messung.csv", "\xEF\xBB\xBFZahl;Teiler;Kandidaten alle;"},
                      Saving{"ForASpreadsheetWithItsEndingTyped", 3, "m.csv", nullptr,
                             QMessageBox::NoButton, "m.csv", "\xEF\xBB\xBFZahl;"},
                      Saving{"AsksByTheFileALinkLeadsTo", 2, "verweis.csv", "messung.csv",
                             QMessageBox::Yes, "messung.csv", "zahl,teiler,", "verweis.csv"},
                      Saving{"ACsvTypedUnderAGermanLocaleIsForASpreadsheet", 0, "m.csv", nullptr,
                             QMessageBox::NoButton, "m.csv", "\xEF\xBB\xBFZahl;", nullptr, "de_DE"},
                      Saving{"TheScriptCsvUnderAGermanLocaleByItsType", 2, "m.csv", nullptr,
                             QMessageBox::NoButton, "m.csv", "zahl,teiler,", nullptr, "de_DE"},
                      Saving{"ACsvTypedUnderAnotherLocaleIsForScripts", 0, "m.csv", nullptr,
                             QMessageBox::NoButton, "m.csv", "zahl,teiler,", nullptr, "en_US"}),
    [](const auto& info) { return std::string(info.param.name); });

// The real worker: a window closed in the middle of a measurement takes its worker with it, and
// nothing the worker found afterwards reaches the window that is gone.
TEST(ComparisonWindowWorkerTest, ClosedWhileMeasuring) {
    auto window = std::make_unique<ComparisonWindow>(std::make_unique<ThreadedMeasurement>());
    window->show();
    window->measure({11, 10000019, 10000079});
    const QAbstractItemModel* rows = window->findChild<QTableView*>()->model();
    ASSERT_TRUE(waitFor([&] { return rows->rowCount() == 1; }));
    window.reset();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

} // namespace
} // namespace faktorlupe::vergleich
