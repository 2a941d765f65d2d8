#include "vergleich/window/MeasurementQueue.h"

#include <utility>

namespace faktorlupe::vergleich {

void MeasurementQueue::add(const std::vector<std::int32_t>& numbers) {
    m_waiting.insert(m_waiting.end(), numbers.begin(), numbers.end());
}

std::vector<std::int32_t> MeasurementQueue::handOutWaiting() {
    if (m_busy || m_waiting.empty())
        return {};
    m_busy = true;
    m_given.assign(m_waiting.begin(), m_waiting.end());
    return std::exchange(m_waiting, {});
}

bool MeasurementQueue::received(const NumberFigures& figures) {
    if (m_givenUp)
        return false;
    m_figures.push_back(figures);
    if (!m_given.empty())
        m_given.pop_front();
    return true;
}

bool MeasurementQueue::finished(bool failed) {
    const bool current = !std::exchange(m_givenUp, false);
    m_busy = false;
    m_given.clear();
    if (failed && current)
        m_waiting.clear();
    return current;
}

void MeasurementQueue::startOver() {
    m_figures.clear();
    m_given.clear();
    m_waiting.clear();
    m_givenUp = m_busy;
}

} // namespace faktorlupe::vergleich
