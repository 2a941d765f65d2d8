#pragma once

#include "scans/MemoryFormView.h"
#include "scans/ScanState.h"
#include "scans/Stopwatch.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace faktorlupe::testing {

// An in-memory form that writes down every call a scan makes, in order, as "get txtAlle",
// "set txtAlle=1 - 2" and "yield", together with the scan's kandidat at each write.
class RecordingFormView final : public MemoryFormView {
public:
    explicit RecordingFormView(const ScanState& state) : m_state(state) {}

    std::string text(Box box) override {
        log.push_back("get " + std::string(boxName(box)));
        return MemoryFormView::text(box);
    }
    void setText(Box box, const std::string& text) override {
        log.push_back("set " + std::string(boxName(box)) + "=" + text);
        kandidatAtWrites.push_back(m_state.kandidat);
        MemoryFormView::setText(box, text);
    }
    void yieldToEvents() override {
        log.push_back("yield");
        if (onYield)
            onYield();
    }

    // Puts a text into a box the way a user would, without recording it.
    void type(Box box, const std::string& text) { MemoryFormView::setText(box, text); }
    std::string shows(Box box) { return MemoryFormView::text(box); }

    std::vector<std::string> writesTo(Box box) const {
        const std::string prefix = "set " + std::string(boxName(box)) + "=";
        std::vector<std::string> texts;
        for (const auto& entry : log)
            if (entry.rfind(prefix, 0) == 0)
                texts.push_back(entry.substr(prefix.size()));
        return texts;
    }

    std::vector<std::string> log;
    std::vector<double> kandidatAtWrites;
    std::function<void()> onYield;

private:
    const ScanState& m_state;
};

// A stopwatch on a clock that returns the given seconds since midnight, one per reading, and
// repeats the last one when they run out. Its precise clock runs alongside without a step: its
// n-th reading is the n-th of the wall clock, counted on across midnight.
inline Stopwatch stopwatchReading(std::vector<float> seconds, std::string separator = ".") {
    auto precise = std::make_shared<std::vector<double>>();
    double days = 0;
    for (std::size_t i = 0; i < seconds.size(); ++i) {
        if (i > 0 && seconds[i] < seconds[i - 1] - 43200)
            days += 86400;
        precise->push_back(days + seconds[i]);
    }
    auto readings = std::make_shared<std::vector<float>>(std::move(seconds));
    auto next = std::make_shared<std::size_t>(0);
    auto nextPrecise = std::make_shared<std::size_t>(0);
    return Stopwatch(
        [readings, next] { return (*readings)[std::min((*next)++, readings->size() - 1)]; },
        std::move(separator),
        [precise, nextPrecise] {
            return (*precise)[std::min((*nextPrecise)++, precise->size() - 1)];
        });
}

} // namespace faktorlupe::testing
