#pragma once

#include "vergleich/worker/MeasurementSource.h"

#include <QSocketNotifier>
#include <atomic>
#include <deque>
#include <mutex>
#include <thread>
#include <variant>

namespace faktorlupe::vergleich {

// Measures on a worker thread of its own with the same code as the command line, so that the
// window stays responsive while it measures, and hands the figures to the thread that started it.
// The worker leaves what it found in a queue of its own under a mutex and wakes the starting
// thread's event loop through an eventfd, which that thread watches; nothing passes between the
// threads through Qt, whose own locks a thread sanitizer cannot see. Destroying the source stops
// the worker and waits for it, and nothing is handed over after that.
class ThreadedMeasurement final : public MeasurementSource {
public:
    // How one number is measured: the engine's measureNumber, unless a test puts its own here.
    using MeasureOne =
        std::function<NumberFigures(std::int32_t zahl, const std::function<bool()>& stopRequested)>;

    explicit ThreadedMeasurement(MeasureOne measure = {});
    ~ThreadedMeasurement() override;
    ThreadedMeasurement(const ThreadedMeasurement&) = delete;
    ThreadedMeasurement& operator=(const ThreadedMeasurement&) = delete;

    void start(std::vector<std::int32_t> numbers, Delivered delivered, Finished finished) override;
    void stop() override;

private:
    using Report = std::variant<NumberFigures, MeasurementEnd>;

    void measureAll(const std::vector<std::int32_t>& numbers);
    void report(Report report); // on the worker
    void handOver();            // on the starting thread

    MeasureOne m_measure;
    Delivered m_delivered;
    Finished m_finished;
    std::mutex m_mutex;
    std::deque<Report> m_reports; // guarded by m_mutex
    std::atomic<bool> m_stop{false};
    int m_wakeUp;               // an eventfd: the worker adds to it, the starting thread reads it
    QSocketNotifier m_notifier; // on the starting thread
    std::thread m_worker;
};

} // namespace faktorlupe::vergleich
