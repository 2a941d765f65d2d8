#include "vergleich/window/ComparisonWindow.h"

#include "ThemeColours.h"
#include "vergleich/worker/ThreadedMeasurement.h"

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
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

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

// Until the condition holds or three seconds have passed.
template <typename Condition> bool waitFor(Condition condition) {
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < 3000)
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

    FakeSource* source;
    std::unique_ptr<ComparisonWindow> window;
};

TEST_F(ComparisonWindowTest, PointsAndRowsAppearAsFiguresArrive) {
    window->measure({11, 101, 1009});
    ASSERT_EQ(source->started, (std::vector<std::vector<std::int32_t>>{{11, 101, 1009}}));
    EXPECT_EQ(find<QProgressBar>("progress")->text(), "0 von 3");
    source->deliver(figuresOf(11));
    EXPECT_TRUE(waitForPoints(3));
    EXPECT_EQ(find<QTableView>()->model()->rowCount(), 1);
    EXPECT_EQ(find<QProgressBar>("progress")->text(), "1 von 3");
    source->deliver(figuresOf(101));
    EXPECT_TRUE(waitForPoints(6));
    EXPECT_EQ(find<QTableView>()->model()->rowCount(), 2);
    EXPECT_EQ(find<QTableView>()->model()->index(1, 0).data().toString(), "101");
    // The switch to linear axes draws the same points anew.
    find<QCheckBox>("logarithmic")->setChecked(false);
    EXPECT_EQ(measuredPoints(), 6);
}

// Abbrechen while 11 is measured and more numbers wait: the worker stops before 11 is done, or
// it had passed its last check for a stop and finishes 11. Either way the bar ends full.
struct Abbrechen {
    const char* name;
    std::vector<std::vector<std::int32_t>> batches;
    bool deliveredBeforeTheClick;
    bool stopped;
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
    if (!GetParam().deliveredBeforeTheClick)
        source->deliver(figuresOf(11));
    source->finish({GetParam().stopped, {}});
    EXPECT_FALSE(find<QPushButton>("cancel")->isEnabled());
    EXPECT_EQ(find<QProgressBar>("progress")->text(), "1 von 1");
    EXPECT_EQ(source->started.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Window, AbbrechenTest,
    ::testing::Values(Abbrechen{"StoppedInTheMiddle", {{11, 101, 1009}}, true, true},
                      Abbrechen{"AfterItsLastCheckForAStop", {{11}, {101}}, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ComparisonWindowTest, BadNumberInTheLineMeasuresNothing) {
    for (const char* typed : {"12 zwölf", "1", "2147483648", "12.5", "   "}) {
        find<QLineEdit>("numbers")->setText(QString::fromUtf8(typed));
        find<QPushButton>("measure")->click();
        EXPECT_TRUE(source->started.empty()) << typed;
        EXPECT_FALSE(find<QLabel>("numbersProblem")->text().isEmpty()) << typed;
    }
    find<QLineEdit>("numbers")->setText(QStringLiteral("12 717313"));
    find<QPushButton>("measure")->click();
    EXPECT_EQ(source->started, (std::vector<std::vector<std::int32_t>>{{12, 717313}}));
    EXPECT_TRUE(find<QLabel>("numbersProblem")->text().isEmpty());
}

TEST_F(ComparisonWindowTest, AFailureIsSaidAndTheFiguresMeasuredSoFarStay) {
    window->measure({11, 101, 1009});
    source->deliver(figuresOf(11));
    const QString failure = QStringLiteral("Die Messung von 101 ist gescheitert: der "
                                           "Arbeitsspeicher reichte nicht.");
    source->finish({false, failure});
    EXPECT_EQ(find<QLabel>("measurementProblem")->text(), failure);
    EXPECT_TRUE(find<QLabel>("measurementProblem")->isVisible());
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
    int filter; // how often Down is pressed in the file types: 0 PNG, 1 SVG, 2 CSV
    const char* typed;
    const char* existing;               // a file that is there before, or none
    QMessageBox::StandardButton answer; // NoButton where no question is expected
    const char* written;                // the file written, or none
    const char* startsWith;             // what the written file begins with
};

class SaveTest : public ComparisonWindowTest, public ::testing::WithParamInterface<Saving> {};

TEST_P(SaveTest, WritesWhatTheUserChose) {
    const Saving& saving = GetParam();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir here(folder.path());
    const QByteArray old("die alte Datei\n");
    if (saving.existing) {
        QFile file(here.filePath(saving.existing));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(old);
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
    for (const char* file : {saving.existing, saving.written})
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
                             QMessageBox::NoButton, "x.svg", "<?xml"}),
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
