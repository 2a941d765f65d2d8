#include "vergleich/worker/ThreadedMeasurement.h"

#include "vergleich/measurement/Measurement.h"

#include <QMetaObject>
#include <exception>
#include <utility>

namespace faktorlupe::vergleich {

ThreadedMeasurement::~ThreadedMeasurement() {
    stop();
    if (m_worker.joinable())
        m_worker.join();
}

void ThreadedMeasurement::start(std::vector<std::int32_t> numbers, Delivered delivered,
                                Finished finished) {
    if (m_worker.joinable())
        m_worker.join();
    m_stop = false;
    m_worker = std::thread([this, numbers = std::move(numbers), delivered = std::move(delivered),
                            finished = std::move(finished)] {
        bool stopped = false;
        for (const std::int32_t zahl : numbers) {
            try {
                const NumberFigures figures =
                    measureNumber(zahl, {}, [this] { return m_stop.load(); });
                QMetaObject::invokeMethod(
                    &m_receiver, [delivered, figures] { delivered(figures); },
                    Qt::QueuedConnection);
            } catch (const std::exception&) {
                // Stopped, or a number whose scans disagree: nothing more is measured.
                stopped = true;
                break;
            }
        }
        QMetaObject::invokeMethod(
            &m_receiver, [finished, stopped] { finished(stopped); }, Qt::QueuedConnection);
    });
}

void ThreadedMeasurement::stop() {
    m_stop = true;
}

} // namespace faktorlupe::vergleich
