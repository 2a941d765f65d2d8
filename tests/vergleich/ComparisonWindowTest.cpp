#include "vergleich/window/ComparisonWindow.h"

#include "vergleich/worker/ThreadedMeasurement.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>

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
    EXPECT_EQ(find<QTableView>()->model()->rowCount(), 1);
    EXPECT_EQ(find<QProgressBar>("progress")->text(), "1 von 1");
    EXPECT_FALSE(find<QPushButton>("cancel")->isEnabled());
}

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
