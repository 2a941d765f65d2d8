// The window's worker: measures on a thread of its own and hands everything over on the thread
// that started it, in order. Also run under ThreadSanitizer.
#include "vergleich/worker/ThreadedMeasurement.h"

#include "vergleich/measurement/Measurement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>
#include <new>
#include <optional>

namespace faktorlupe::vergleich {
namespace {

// What a measurement handed over, and whether all of it arrived on the test's own thread.
struct Heard {
    std::vector<std::int32_t> numbers;
    std::optional<MeasurementEnd> end;
    bool elsewhere = false;
};

Heard measure(ThreadedMeasurement& source, std::vector<std::int32_t> numbers,
              const std::function<void(Heard&)>& onDelivery = {}) {
    Heard heard;
    QThread* const here = QThread::currentThread();
    source.start(
        std::move(numbers),
        [&](const NumberFigures& figures) {
            heard.elsewhere |= QThread::currentThread() != here;
            heard.numbers.push_back(figures.zahl);
            if (onDelivery)
                onDelivery(heard);
        },
        [&](const MeasurementEnd& end) {
            heard.elsewhere |= QThread::currentThread() != here;
            heard.end = end;
        });
    QElapsedTimer waited;
    waited.start();
    while (!heard.end && waited.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return heard;
}

NumberFigures figuresOf(std::int32_t zahl) {
    NumberFigures figures;
    figures.zahl = zahl;
    return figures;
}

TEST(ThreadedMeasurementTest, StopEndsTheMeasurementAfterTheRunGoingOn) {
    // Each number but the first takes until it is asked to stop, as a long scan would.
    ThreadedMeasurement source([](std::int32_t zahl, const std::function<bool()>& stopRequested) {
        while (zahl != 11 && !stopRequested())
            QThread::msleep(1);
        if (stopRequested())
            throw MeasurementStopped();
        return figuresOf(zahl);
    });
    const Heard heard = measure(source, {11, 13, 17}, [&](Heard&) { source.stop(); });
    EXPECT_EQ(heard.numbers, (std::vector<std::int32_t>{11}));
    ASSERT_TRUE(heard.end);
    EXPECT_TRUE(heard.end->stopped);
    EXPECT_FALSE(heard.elsewhere);
}

TEST(ThreadedMeasurementTest, AFailureEndsTheMeasurementWithAGermanSentence) {
    ThreadedMeasurement source([](std::int32_t zahl, const std::function<bool()>&) {
        if (zahl == 13)
            throw std::bad_alloc();
        return figuresOf(zahl);
    });
    const Heard heard = measure(source, {11, 13, 17});
    EXPECT_EQ(heard.numbers, (std::vector<std::int32_t>{11}));
    ASSERT_TRUE(heard.end);
    EXPECT_FALSE(heard.end->stopped);
    EXPECT_EQ(heard.end->failure,
              "Die Messung von 13 ist gescheitert: der Arbeitsspeicher reichte nicht.");
    EXPECT_FALSE(heard.elsewhere);
}

} // namespace
} // namespace faktorlupe::vergleich

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
