#include "Scans.h"

#include "CandidateLoop.h"
#include "runtime/NumberFromText.h"
#include "runtime/NumberText.h"
#include "runtime/RoundToInt32.h"
#include "runtime/SquareRoot.h"

namespace faktorlupe {
namespace {

void readInput(ScanState& state, FormView& view) {
    state.zahl = roundToInt32(numberFromText(view.text(Box::txtEingabe)));
}

// The result box is the list's only store: its text is read back before every entry, so the list
// continues whatever the box holds at that moment.
void appendEntry(FormView& view, Box box, double value) {
    std::string text = view.text(box);
    text += " -";
    text += textOfNumber(value);
    view.setText(box, text);
}

// The full and the half scan: they differ in the bound and in the half scan's closing entry,
// which stands for the number itself since no divisor lies between its half and itself.
void runPlainScan(ScanState& state, FormView& view, const Stopwatch& stopwatch, bool half) {
    const Box result = half ? Box::txtHalbe : Box::txtAlle;
    readInput(state, view);
    view.yieldToEvents();
    view.setText(result, "1");
    state.startZeit = stopwatch.start();
    // Half of 7 is 3.5, so the half scan tests 2 and 3.
    const double bound = half ? state.zahl / 2.0 : state.zahl;
    forEachDivisor(state, bound, [&](double kandidat) { appendEntry(view, result, kandidat); });
    if (half)
        appendEntry(view, result, state.zahl);
    view.setText(half ? Box::txtZeitHalbe : Box::txtZeitAlle,
                 stopwatch.elapsedText(state.startZeit));
}

} // namespace

void runFullScan(ScanState& state, FormView& view, const Stopwatch& stopwatch) {
    runPlainScan(state, view, stopwatch, false);
}

void runHalfScan(ScanState& state, FormView& view, const Stopwatch& stopwatch) {
    runPlainScan(state, view, stopwatch, true);
}

void runRootScan(ScanState& state, FormView& view, const Stopwatch& stopwatch) {
    readInput(state, view);
    state.listeLinks.clear();
    state.listeRechts.clear();
    view.yieldToEvents();
    state.startZeit = stopwatch.start();
    const double bound = squareRoot(state.zahl);
    forEachDivisor(state, bound, [&](double kandidat) {
        state.listeLinks += textOfNumber(kandidat) + " -";
        // The co-divisors arrive in descending order; putting each at the front keeps the list
        // ascending. A root (6 for 36) is its own co-divisor and is listed only once.
        const double coDivisor = state.zahl / kandidat;
        if (coDivisor != kandidat)
            state.listeRechts.insert(0, textOfNumber(coDivisor) + " -");
        view.setText(Box::txtWurzel, state.listeLinks + state.listeRechts);
    });
    // Every entry is blank, digits, blank, dash, so "1 -" + " 71 -" + " 10103 -" + " 717313"
    // is the same list the other scans write: "1 - 71 - 10103 - 717313".
    view.setText(Box::txtWurzel,
                 "1 -" + state.listeLinks + state.listeRechts + textOfNumber(state.zahl));
    view.setText(Box::txtZeitWurzel, stopwatch.elapsedText(state.startZeit));
}

} // namespace faktorlupe
