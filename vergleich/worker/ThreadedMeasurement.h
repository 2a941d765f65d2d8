#pragma once

#include "vergleich/worker/MeasurementSource.h"

#include <QObject>
#include <atomic>
#include <thread>

namespace faktorlupe::vergleich {

// Measures on a worker thread of its own with the same code as the command line, so that the
// window stays responsive while it measures, and hands the figures to the thread that started it.
class ThreadedMeasurement final : public MeasurementSource {
public:
    ThreadedMeasurement() = default;
    ~ThreadedMeasurement() override;
    ThreadedMeasurement(const ThreadedMeasurement&) = delete;
    ThreadedMeasurement& operator=(const ThreadedMeasurement&) = delete;

    void start(std::vector<std::int32_t> numbers, Delivered delivered, Finished finished) override;
    void stop() override;

private:
    // Lives on the starting thread; what the worker posts to it runs there.
    QObject m_receiver;
    std::atomic<bool> m_stop{false};
    std::thread m_worker;
};

} // namespace faktorlupe::vergleich
