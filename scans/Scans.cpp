#include "scans/Scans.h"

#include "runtime/NumberFromText.h"
#include "runtime/NumberText.h"
#include "runtime/RoundToInt32.h"
#include "runtime/RuntimeError.h"
#include "runtime/SquareRoot.h"
#include "scans/CandidateLoop.h"

namespace faktorlupe {
namespace {

void readInput(ScanState& state, FormView& view) {
    try {
        state.zahl = roundToInt32(numberFromText(view.text(Box::txtEingabe)));
    } catch (RuntimeError& error) {
        error.explain("Die eingegebene Zahl liegt außerhalb des Bereichs, den das Programm "
                      "verarbeiten kann; bitte eine ganze Zahl von -2147483648 bis 2147483647 "
                      "eingeben.");
        throw;
    }
}

// The result box is the list's only store: its text is read back before every entry, so the list
// continues whatever the box holds at that moment.
void appendEntry(FormView& view, Box box, double value) {
    std::string text = view.text(box);
    text += " -";
    text += textOfNumber(value);
    view.setText(box, text);
}

// The precise seconds end just before the time box's reading, as they began just after its start.
ScanFigures finish(ScanState& state, FormView& view, const Stopwatch& stopwatch, Box time,
                   double preciseStart, std::int64_t candidates, std::int64_t divisors) {
    const double seconds = stopwatch.preciseSeconds() - preciseStart;
    view.setText(time, stopwatch.elapsedText(state.startZeit, seconds));
    return {candidates, divisors, seconds};
}

// The full and the half scan: they differ in the bound and in the half scan's closing entry,
// which stands for the number itself since no divisor lies between its half and itself.
ScanFigures runPlainScan(ScanState& state, FormView& view, const Stopwatch& stopwatch, bool half) {
    const Box result = half ? Box::txtHalbe : Box::txtAlle;
    readInput(state, view);
    view.yieldToEvents();
    view.setText(result, "1");
    state.startZeit = stopwatch.startReading();
    const double preciseStart = stopwatch.preciseSeconds();
    // Half of 7 is 3.5, so the half scan tests 2 and 3.
    const double bound = half ? state.zahl / 2.0 : state.zahl;
    std::int64_t divisors = 1;
    const std::int64_t candidates = forEachDivisor(state, bound, [&](double kandidat) {
        appendEntry(view, result, kandidat);
        ++divisors;
    });
    if (half) {
        appendEntry(view, result, state.zahl);
        ++divisors;
    }
    return finish(state, view, stopwatch, half ? Box::txtZeitHalbe : Box::txtZeitAlle, preciseStart,
                  candidates, divisors);
}

double rootBound(std::int32_t zahl) {
    try {
        return squareRoot(zahl);
    } catch (RuntimeError& error) {
        error.explain("Die Quadratwurzel einer negativen Zahl gibt es nicht, deshalb braucht "
                      "„Algorithmus >Wurzel<“ eine Zahl ab 0.");
        throw;
    }
}

} // namespace

ScanFigures runFullScan(ScanState& state, FormView& view, const Stopwatch& stopwatch) {
    return runPlainScan(state, view, stopwatch, false);
}

ScanFigures runHalfScan(ScanState& state, FormView& view, const Stopwatch& stopwatch) {
    return runPlainScan(state, view, stopwatch, true);
}

ScanFigures runRootScan(ScanState& state, FormView& view, const Stopwatch& stopwatch) {
    readInput(state, view);
    state.listeLinks.clear();
    state.listeRechts.clear();
    view.yieldToEvents();
    state.startZeit = stopwatch.startReading();
    const double preciseStart = stopwatch.preciseSeconds();
    const double bound = rootBound(state.zahl);
    // The leading 1 and the number itself, which closes the list.
    std::int64_t divisors = 2;
    const std::int64_t candidates = forEachDivisor(state, bound, [&](double kandidat) {
        state.listeLinks += textOfNumber(kandidat) + " -";
        ++divisors;
        // The co-divisors arrive in descending order; putting each at the front keeps the list
        // ascending. A root (6 for 36) is its own co-divisor and is listed only once.
        const double coDivisor = state.zahl / kandidat;
        if (coDivisor != kandidat) {
            state.listeRechts.insert(0, textOfNumber(coDivisor) + " -");
            ++divisors;
        }
        view.setText(Box::txtWurzel, state.listeLinks + state.listeRechts);
    });
    // Every entry is blank, digits, blank, dash, so "1 -" + " 71 -" + " 10103 -" + " 717313"
    // is the same list the other scans write: "1 - 71 - 10103 - 717313".
    view.setText(Box::txtWurzel,
                 "1 -" + state.listeLinks + state.listeRechts + textOfNumber(state.zahl));
    return finish(state, view, stopwatch, Box::txtZeitWurzel, preciseStart, candidates, divisors);
}

} // namespace faktorlupe
