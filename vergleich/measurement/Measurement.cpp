#include "vergleich/measurement/Measurement.h"

#include "scans/MemoryFormView.h"
#include "scans/Scans.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <new>
#include <string>

namespace faktorlupe::vergleich {
namespace {

using Clock = std::chrono::steady_clock;
constexpr double kShortestMeasurement = 0.05;
constexpr int kMeasurements = 3;
constexpr double kRepeatsWhereNoTick = 100;
// A million runs of the quickest scan take 20 ms natively: a clock that has not moved by then
// stands still (a virtual machine's broken clock, libfaketime), and the 50 ms would never come.
constexpr int kRepeatsAClockMustTickIn = 1000000;

struct Outcome {
    ScanFigures figures;
    std::string list;
};

Outcome runOnce(const ScanRow& scan, const std::string& input, const Stopwatch& stopwatch) {
    ScanState state;
    MemoryFormView view;
    view.setText(Box::txtEingabe, input);
    const ScanFigures figures = scan.run(state, view, stopwatch);
    return {figures, view.text(scan.result)};
}

double secondsOf(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

} // namespace

NumberFigures measureNumber(std::int32_t zahl, const std::function<void(std::size_t)>& beforeScan,
                            const std::function<bool()>& stopRequested) {
    const auto checkStop = [&] {
        if (stopRequested && stopRequested())
            throw MeasurementStopped();
    };
    const std::string input = std::to_string(zahl);
    const Stopwatch stopwatch;
    NumberFigures figures;
    figures.zahl = zahl;
    std::string firstList;
    for (std::size_t i = 0; i < kScanCount; ++i) {
        if (beforeScan)
            beforeScan(i);
        const ScanRow& scan = kScanRows[i];
        checkStop();
        const auto from = Clock::now();
        const Outcome outcome = runOnce(scan, input, stopwatch);
        double took = secondsOf(Clock::now() - from);
        // Repeats the scan until one measurement spans 50 ms; that one is the first of three.
        const auto measure = [&](int repeats) {
            const auto start = Clock::now();
            for (int r = 0; r < repeats; ++r) {
                checkStop();
                runOnce(scan, input, stopwatch);
            }
            return secondsOf(Clock::now() - start);
        };
        int repeats = 1;
        while (took < kShortestMeasurement) {
            // A clock that did not tick says nothing of how fast the scan is: a browser's clock
            // steps 0.1 ms, and taking 0 s as a nanosecond would repeat 12's 2.5 µs scan 60
            // million times, two and a half minutes. A hundred times as many runs is sure to
            // make it tick within a few steps.
            const double needed =
                took > 0 ? kShortestMeasurement / took * 1.2 : kRepeatsWhereNoTick;
            repeats = static_cast<int>(std::min(std::max(repeats * needed, repeats * 2.0), 1e9));
            took = measure(repeats);
            if (took <= 0 && repeats >= kRepeatsAClockMustTickIn)
                throw ClockStandsStill(
                    "die Uhr des Rechners ging während der Messung nicht weiter");
        }
        std::array<double, kMeasurements> measured{};
        measured[0] = took / repeats;
        for (int m = 1; m < kMeasurements; ++m)
            measured[m] = measure(repeats) / repeats;
        std::sort(measured.begin(), measured.end());
        figures.scans[i] = {outcome.figures.candidates, outcome.figures.divisors,
                            measured[kMeasurements / 2]};
        figures.ranges[i] = {measured.front(), measured.back()};
        if (i == 0)
            firstList = outcome.list;
        else if (outcome.list != firstList)
            throw ScansDisagree("die drei Algorithmen fanden verschiedene Teiler");
    }
    figures.divisors = figures.scans[0].divisors;
    return figures;
}

std::string failureSentence(std::int32_t zahl, const std::exception& error) {
    const std::string reason = dynamic_cast<const std::bad_alloc*>(&error) != nullptr
                                   ? "der Arbeitsspeicher reichte nicht"
                                   : error.what();
    return "Die Messung von " + std::to_string(zahl) + " ist gescheitert: " + reason + ".";
}

} // namespace faktorlupe::vergleich
