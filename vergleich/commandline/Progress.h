#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace faktorlupe::vergleich {

// A one-line progress bar on standard error, redrawn in place: the numbers done, the numbers to
// go and the scan now running. Silent when standard error is not a terminal, so that a pipe or a
// log file gets nothing but the results.
class Progress final {
public:
    explicit Progress(std::size_t total);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    void show(std::size_t done, std::int32_t zahl, std::size_t scan);

private:
    std::size_t m_total;
    bool m_enabled;
};

} // namespace faktorlupe::vergleich
