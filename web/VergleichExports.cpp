// The comparison page's engine: the measurement core and the figures' texts of the comparison
// window, for the page (vergleich.html). The same script runs twice: in a worker, where it
// measures one number at a time, and in the page itself, where it reads the line, keeps the
// table and gives every text the page shows. Texts cross as JSON, since a row holds 44 of them.
#include "scans/MemoryFormView.h"
#include "scans/ScanTable.h"
#include "vergleich/chart/ChartModel.h"
#include "vergleich/chart/ChartSummary.h"
#include "vergleich/measurement/Measurement.h"
#include "vergleich/measurement/MeasuringWords.h"
#include "vergleich/measurement/NumberRange.h"
#include "vergleich/readable/FigureCells.h"
#include "vergleich/readable/ScriptCsv.h"
#include "vergleich/readable/SeriesPresets.h"
#include "vergleich/readable/SpreadsheetCsvText.h"
#include "web/ChartJson.h"
#include "web/JsonText.h"

#include <chrono>
#include <emscripten/emscripten.h>
#include <string>
#include <vector>

namespace {

using namespace faktorlupe::vergleich;

using faktorlupe::jsonArray;
using faktorlupe::jsonInteger;
using faktorlupe::jsonNumber;
using faktorlupe::JsonObject;

// The figures as the page hands them back: zahl, divisors, then for each scan its candidates,
// divisors, seconds, fastest and slowest.
std::string figuresJson(const NumberFigures& figures) {
    std::vector<std::string> items{jsonInteger(figures.zahl), jsonInteger(figures.divisors)};
    for (std::size_t i = 0; i < kScanCount; ++i)
        items.insert(items.end(),
                     {jsonInteger(figures.scans[i].candidates),
                      jsonInteger(figures.scans[i].divisors), jsonNumber(figures.scans[i].seconds),
                      jsonNumber(figures.ranges[i].fastest),
                      jsonNumber(figures.ranges[i].slowest)});
    return jsonArray(items);
}

std::string cellJson(const FigureCell& cell) {
    return JsonObject()
        .text("text", cell.text)
        .text("tooltip", cell.tooltip)
        .text("spoken", cell.spoken)
        .json();
}

// The returned text lives until the next call.
const char* handedOut(std::string text) {
    static std::string kept;
    kept = std::move(text);
    return kept.c_str();
}

std::vector<NumberFigures>& table() {
    static std::vector<NumberFigures> rows;
    return rows;
}

// Until the browser has compiled a scan's loop for speed, it runs it slower, and the first
// number's times would be the lesson's outliers. Each scan runs on its own for a tenth of a
// second: Wurzel, warmed only alongside the other two (whose runs are a thousand times as long),
// would stay cold.
void warmUp() {
    using Clock = std::chrono::steady_clock;
    const faktorlupe::Stopwatch stopwatch;
    for (const faktorlupe::ScanRow& scan : faktorlupe::kScanRows) {
        const auto end = Clock::now() + std::chrono::milliseconds(100);
        while (Clock::now() < end) {
            faktorlupe::ScanState state;
            faktorlupe::MemoryFormView view;
            view.setText(faktorlupe::Box::txtEingabe, "1000003");
            scan.run(state, view, stopwatch);
        }
    }
}

} // namespace

extern "C" {

// In the worker: the figures of one number, or {"failure": sentence}.
EMSCRIPTEN_KEEPALIVE const char* vergleich_measure(int zahl) {
    try {
        return handedOut(figuresJson(measureNumber(zahl)));
    } catch (const std::exception& error) {
        return handedOut(JsonObject().text("failure", failureSentence(zahl, error)).json());
    }
}

EMSCRIPTEN_KEEPALIVE void vergleich_warm_up() {
    warmUp();
}

// The line "Zahlen:" read as the window reads it: {"numbers": [...], "problem": sentence}, the
// sentence empty when every number is sound.
EMSCRIPTEN_KEEPALIVE const char* vergleich_read(const char* line) {
    std::vector<std::int32_t> numbers;
    const Problem<std::string> problem = readTypedNumbers(line, numbers);
    return handedOut(
        JsonObject()
            .written("numbers",
                     jsonArray(problem ? std::vector<std::int32_t>{} : numbers, jsonInteger))
            .text("problem", problem.value_or(""))
            .text("taken", numbersTaken(numbers.size()))
            .json());
}

// The presets' names, descriptions and numbers.
EMSCRIPTEN_KEEPALIVE const char* vergleich_presets() {
    const auto presetJson = [](const SeriesPreset& preset) {
        return JsonObject()
            .text("name", preset.name)
            .text("description", preset.description)
            .written("numbers", jsonArray(preset.numbers(), jsonInteger))
            .json();
    };
    return handedOut(jsonArray(seriesPresets(), presetJson));
}

// A number's figures as the worker measured them (see figuresJson) join the table.
EMSCRIPTEN_KEEPALIVE void vergleich_add(const double* values) {
    NumberFigures figures;
    figures.zahl = static_cast<std::int32_t>(values[0]);
    figures.divisors = static_cast<std::int64_t>(values[1]);
    for (std::size_t i = 0; i < kScanCount; ++i) {
        const double* scan = values + 2 + 5 * i;
        figures.scans[i] = {static_cast<std::int64_t>(scan[0]), static_cast<std::int64_t>(scan[1]),
                            scan[2]};
        figures.ranges[i] = {scan[3], scan[4]};
    }
    auto& rows = table();
    rows.insert(rows.begin() + static_cast<std::ptrdiff_t>(rowForNumber(rows, figures.zahl)),
                figures);
}

EMSCRIPTEN_KEEPALIVE void vergleich_clear_table() {
    table().clear();
}

// The table: {"headings": [...], "rows": [[cell, ...], ...]}.
EMSCRIPTEN_KEEPALIVE const char* vergleich_table() {
    const auto headingJson = [](const FigureColumn& column) {
        return faktorlupe::jsonQuoted(column.heading);
    };
    std::vector<std::string> rows;
    for (std::size_t r = 0; r < table().size(); ++r) {
        std::vector<FigureCell> cells;
        for (std::size_t c = 0; c < figureColumns().size(); ++c)
            cells.push_back(figureCell(table(), r, c));
        rows.push_back(jsonArray(cells, cellJson));
    }
    return handedOut(JsonObject()
                         .written("headings", jsonArray(figureColumns(), headingJson))
                         .written("rows", jsonArray(rows))
                         .json());
}

// The chart of the table, on logarithmic axes or linear ones (see web/ChartJson.h).
EMSCRIPTEN_KEEPALIVE const char* vergleich_chart(int logarithmic) {
    const Scale scale = logarithmic != 0 ? Scale::Logarithmic : Scale::Linear;
    return handedOut(faktorlupe::chartJson(chartModel(table(), scale), chartSummaryText(table())));
}

// The table as the files "CSV-Datei" (--csv) and "CSV für Tabellenkalkulation" (--csv-de),
// whose text the page downloads as it is.
EMSCRIPTEN_KEEPALIVE const char* vergleich_csv(int forSpreadsheet) {
    return handedOut(forSpreadsheet ? spreadsheetCsvText(table()) : csvText(table()));
}

// What is said and shown of a measuring (MeasuringWords): done and total count the series since
// the last Neue Reihe, doneBefore what was measured before the measuring that runs now.
EMSCRIPTEN_KEEPALIVE const char* vergleich_words(int done, int total, int doneBefore,
                                                 double seconds) {
    const auto inSeries = [](int count) { return static_cast<std::size_t>(count); };
    const std::size_t doneNow = inSeries(done - doneBefore);
    const std::size_t numbersNow = inSeries(total - doneBefore);
    return handedOut(JsonObject()
                         .text("progress", progressOf(inSeries(done), inSeries(total)))
                         .text("started", measuringStarted(numbersNow))
                         .text("finished", measuringFinished(doneNow, seconds))
                         .text("stopped", measuringStopped(doneNow, numbersNow))
                         .json());
}
}
