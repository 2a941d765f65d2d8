#include "vergleich/window/Series.h"

#include <utility>

namespace faktorlupe::vergleich {

void Series::add(const std::vector<std::int32_t>& numbers) {
    m_waiting.insert(m_waiting.end(), numbers.begin(), numbers.end());
}

std::vector<std::int32_t> Series::handOutWaiting() {
    if (m_busy || m_waiting.empty())
        return {};
    m_busy = true;
    m_given.assign(m_waiting.begin(), m_waiting.end());
    return std::exchange(m_waiting, {});
}

void Series::received(const NumberFigures& figures) {
    m_figures.push_back(figures);
    if (!m_given.empty())
        m_given.pop_front();
}

void Series::finished(bool failed) {
    m_busy = false;
    m_given.clear();
    if (failed)
        m_waiting.clear();
}

} // namespace faktorlupe::vergleich
