#include "vergleich/worker/ThreadedMeasurement.h"

#include "vergleich/measurement/Measurement.h"

#include <exception>
#include <sys/eventfd.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace faktorlupe::vergleich {

namespace {

int makeEventFd() {
    const int fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (fd < 0)
        throw std::system_error(errno, std::generic_category(), "eventfd");
    return fd;
}

} // namespace

ThreadedMeasurement::ThreadedMeasurement(MeasureOne measure)
    : m_measure(std::move(measure)), m_wakeUp(makeEventFd()),
      m_notifier(m_wakeUp, QSocketNotifier::Read) {
    if (!m_measure)
        m_measure = [](std::int32_t zahl, const std::function<bool()>& stopRequested) {
            return measureNumber(zahl, {}, stopRequested);
        };
    QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] {
        eventfd_t wakeUps = 0;
        ::eventfd_read(m_wakeUp, &wakeUps);
        handOver();
    });
}

ThreadedMeasurement::~ThreadedMeasurement() {
    stop();
    if (m_worker.joinable())
        m_worker.join();
    m_notifier.setEnabled(false);
    ::close(m_wakeUp);
}

void ThreadedMeasurement::start(std::vector<std::int32_t> numbers, Delivered delivered,
                                Finished finished) {
    if (m_worker.joinable())
        m_worker.join();
    m_delivered = std::move(delivered);
    m_finished = std::move(finished);
    m_stop = false;
    try {
        m_worker = std::thread([this, numbers = std::move(numbers)] { measureAll(numbers); });
    } catch (const std::exception&) {
        // No thread to be had: on a machine out of memory, the system cannot map its stack. Said
        // in the window through the same hand-over as any other end, not a std::terminate.
        MeasurementEnd end;
        end.failure =
            QStringLiteral("Die Messung konnte nicht beginnen: der Arbeitsspeicher reichte nicht.");
        report(end);
    }
}

void ThreadedMeasurement::stop() {
    m_stop = true;
}

void ThreadedMeasurement::measureAll(const std::vector<std::int32_t>& numbers) {
    MeasurementEnd end;
    for (const std::int32_t zahl : numbers) {
        try {
            report(m_measure(zahl, [this] { return m_stop.load(); }));
        } catch (const MeasurementStopped&) {
            end.stopped = true;
            break;
        } catch (const std::exception& error) {
            // The disagreeing scans, the memory running out: said in the window, not taken
            // for an Abbrechen.
            end.failure = QString::fromStdString(failureSentence(zahl, error));
            break;
        }
    }
    report(end);
}

void ThreadedMeasurement::report(Report report) {
    {
        const std::lock_guard lock(m_mutex);
        m_reports.push_back(std::move(report));
    }
    ::eventfd_write(m_wakeUp, 1);
}

void ThreadedMeasurement::handOver() {
    std::deque<Report> reports;
    {
        const std::lock_guard lock(m_mutex);
        reports.swap(m_reports);
    }
    for (const Report& report : reports) {
        // Copies: finished may start the next measurement, which replaces the callbacks.
        if (const auto* figures = std::get_if<NumberFigures>(&report)) {
            const Delivered delivered = m_delivered;
            delivered(*figures);
        } else {
            const Finished finished = m_finished;
            finished(std::get<MeasurementEnd>(report));
        }
    }
}

} // namespace faktorlupe::vergleich
