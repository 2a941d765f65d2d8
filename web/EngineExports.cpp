// The engine's door to the page's worker: the functions the worker calls and the messages the
// engine posts back. Each message names a box by its control identifier, which is also the id
// of its element on the page.
#include "runtime/RuntimeError.h"
#include "scans/ScanTable.h"
#include "web/PageEngine.h"

#include <emscripten/emscripten.h>
#include <new>
#include <string>

namespace {

EM_JS(void, postBoxText, (const char* box, const char* text),
      { postMessage({kind : "box", box : UTF8ToString(box), text : UTF8ToString(text)}); });

EM_JS(void, postScanEnd,
      (int row, double seconds, const char* statusLine, const char* spokenStatusLine,
       const char* announcement, const char* spokenFigures),
      {
          postMessage({
              kind : "end",
              row : row,
              seconds : seconds,
              statusLine : UTF8ToString(statusLine),
              spokenStatusLine : UTF8ToString(spokenStatusLine),
              announcement : UTF8ToString(announcement),
              spokenFigures : UTF8ToString(spokenFigures)
          });
      });

EM_JS(void, postScanError, (int row, int number, const char* report), {
    postMessage({kind : "error", row : row, number : number, report : UTF8ToString(report)});
});

faktorlupe::PageEngine& engine() {
    static faktorlupe::PageEngine instance([](faktorlupe::Box box, const std::string& text) {
        postBoxText(std::string(faktorlupe::boxName(box)).c_str(), text.c_str());
    });
    return instance;
}

} // namespace

extern "C" {

// The page's box with the given index (in the order of kBoxNames) holds this text now. Returns
// 0 when it did not fit into memory.
EMSCRIPTEN_KEEPALIVE int faktorlupe_receive(int box, const char* text) {
    if (box < 0 || box >= static_cast<int>(faktorlupe::kBoxCount))
        return 1;
    try {
        engine().receive(static_cast<faktorlupe::Box>(box), text);
        return 1;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

// Runs the row's scan and posts its end or its error report.
EMSCRIPTEN_KEEPALIVE void faktorlupe_scan(int row, const char* decimalSeparator) {
    if (row < 0 || row >= static_cast<int>(faktorlupe::kScanCount))
        return;
    const faktorlupe::ScanOutcome outcome = engine().runScan(row, decimalSeparator);
    if (outcome.errorNumber != 0)
        postScanError(row, outcome.errorNumber, outcome.errorReport.c_str());
    else
        postScanEnd(row, outcome.seconds, outcome.statusLine.c_str(),
                    outcome.spokenStatusLine.c_str(), outcome.announcement.c_str(),
                    outcome.spokenFigures.c_str());
}

// The box texts did not fit into memory: the scan cannot start.
EMSCRIPTEN_KEEPALIVE void faktorlupe_report_out_of_memory(int row) {
    const faktorlupe::RuntimeError error(
        faktorlupe::ErrorNumber::OutOfMemory,
        "Die Texte in den Feldern sind zu lang für den Arbeitsspeicher der Seite; bitte ein Feld "
        "leeren. Die Seite läuft weiter.");
    postScanError(row, error.code(), faktorlupe::reportText(error).c_str());
}

// The report the page shows when its worker itself fails, which no scan can report.
EMSCRIPTEN_KEEPALIVE const char* faktorlupe_failure_report() {
    static const std::string report = faktorlupe::reportText(faktorlupe::RuntimeError(
        faktorlupe::ErrorNumber::InternalError,
        "Die Rechnung der Seite ist ausgefallen und wurde neu gestartet; die Seite läuft weiter, "
        "die Zeile ist aber vielleicht unvollständig."));
    return report.c_str();
}
}
