#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace faktorlupe::vergleich {

// The numbers of the comparison window: those measured, with their figures in the order they
// came; those handed to the worker and not yet back; and those waiting until it is free. The
// progress is read from these alone, so that it adds up whatever order the worker's news and the
// user's clicks come in. It does not measure: the window hands the numbers to its worker.
class MeasurementQueue final {
public:
    // Numbers to measure after those measured or waiting.
    void add(const std::vector<std::int32_t>& numbers);
    // The waiting numbers, now handed to the worker; none while the worker is busy.
    std::vector<std::int32_t> handOutWaiting();
    // The figures of the next number the worker was given. False when they belong to a series
    // given up since (Neue Reihe while the worker was busy), which keeps nothing of them.
    bool received(const NumberFigures& figures);
    // The worker is done: what it was given and did not hand back is not measured. After a
    // failure the waiting numbers are not measured either. False when the worker was measuring
    // a series given up since, whose end and failure concern nobody.
    bool finished(bool failed);
    // Abbrechen: the waiting numbers are forgotten; the worker is asked to stop by the window.
    void forgetWaiting() { m_waiting.clear(); }
    // Neue Reihe: everything measured, given and waiting is forgotten, and whatever the busy
    // worker still hands over is not taken; the window asks it to stop. Numbers added from now
    // on wait until it is done.
    void startOver();

    bool busy() const { return m_busy; }
    const std::vector<NumberFigures>& figures() const { return m_figures; }
    std::size_t done() const { return m_figures.size(); }
    std::size_t total() const { return m_figures.size() + m_given.size() + m_waiting.size(); }

private:
    std::vector<NumberFigures> m_figures;
    std::deque<std::int32_t> m_given;
    std::vector<std::int32_t> m_waiting;
    bool m_busy = false;
    bool m_givenUp = false; // the busy worker measures a series given up
};

} // namespace faktorlupe::vergleich
