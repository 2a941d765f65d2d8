#include "vergleich/commandline/Progress.h"

#include "vergleich/measurement/NumberFigures.h"

#include <string>
#include <unistd.h>

namespace faktorlupe::vergleich {

Progress::Progress(std::size_t total) : m_total(total), m_enabled(isatty(STDERR_FILENO) == 1) {}

Progress::~Progress() {
    if (m_enabled)
        std::fputs("\r\033[K", stderr);
}

void Progress::show(std::size_t done, std::int32_t zahl, std::size_t scan) {
    if (!m_enabled)
        return;
    constexpr std::size_t kWidth = 30;
    const std::size_t filled = m_total == 0 ? kWidth : done * kWidth / m_total;
    const std::string bar = std::string(filled, '#') + std::string(kWidth - filled, '-');
    std::fprintf(stderr, "\r\033[K[%s] %zu fertig, %zu offen; %d mit Algorithmus >%s<", bar.c_str(),
                 done, m_total - done, static_cast<int>(zahl), kScanRows[scan].name);
    std::fflush(stderr);
}

} // namespace faktorlupe::vergleich
