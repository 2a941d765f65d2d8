#include "vergleich/readable/FigureCells.h"

#include "vergleich/readable/ReadableText.h"

#include <algorithm>
#include <cstdint>

namespace faktorlupe::vergleich {
namespace {

using Rows = std::vector<NumberFigures>;
using CellOf = FigureCell (*)(const Rows& rows, std::size_t row, std::size_t scan);

// Shown with its thousands apart, copied as a spreadsheet reads a number.
FigureCell wholeNumber(std::int64_t value) {
    return {groupedDigitsText(value), {}, {}, std::to_string(value), {}};
}

FigureCell zahl(const Rows& rows, std::size_t row, std::size_t) {
    return wholeNumber(rows[row].zahl);
}

FigureCell divisors(const Rows& rows, std::size_t row, std::size_t) {
    return {std::to_string(rows[row].divisors), {}, {}, {}, {}};
}

FigureCell candidates(const Rows& rows, std::size_t row, std::size_t scan) {
    return wholeNumber(rows[row].scans[scan].candidates);
}

FigureCell seconds(const Rows& rows, std::size_t row, std::size_t scan) {
    const std::string time = readableSecondsText(rows[row].scans[scan].seconds);
    const MeasuredRange& range = rows[row].ranges[scan];
    if (range.fastest <= 0)
        return {time, {}, {}, {}, {}};
    const std::string spread = "Die drei Messungen liegen " + readablePercentText(spreadOf(range)) +
                               " auseinander (" + readableSecondsText(range.fastest) + " bis " +
                               readableSecondsText(range.slowest) + ").";
    if (!isNoisy(range))
        return {time, spread, {}, {}, {}};
    const std::string why = spread + " Der Rechner war nebenbei beschäftigt";
    // Heard as "99,5 ms, unsicher. Die drei Messungen liegen …": "unsicher" once, then why.
    return {time + " ⚠", why + "; diese Zeit ist unsicher.", time + ", unsicher", {}, why + "."};
}

FigureCell factor(const Rows& rows, std::size_t row, std::size_t scan) {
    const double ratio = factorToRowAbove(rows, row, scan);
    if (ratio <= 0)
        return {};
    return {readableFactorText(ratio), {}, {}, {}, {}};
}

struct Column {
    FigureColumn names;
    CellOf cell;
    std::size_t scan = 0; // the scan whose figures the column shows, where it shows a scan's
};

// Zahl, Teiler, then for each scan its candidates, its time and its factor.
const std::vector<Column>& columns() {
    static const std::vector<Column> table = [] {
        const std::string factorTooltip = "Wie viel Mal so lange wie bei der Zahl darüber";
        std::vector<Column> all = {{{"Zahl", {}}, zahl}, {{"Teiler", {}}, divisors}};
        for (std::size_t scan = 0; scan < kScanCount; ++scan) {
            const std::string name = kScanRows[scan].name;
            all.push_back({{"Kandidaten\n" + name, {}}, candidates, scan});
            all.push_back({{"Zeit\n" + name, {}}, seconds, scan});
            all.push_back({{"Faktor\n" + name, factorTooltip}, factor, scan});
        }
        return all;
    }();
    return table;
}

} // namespace

const std::vector<FigureColumn>& figureColumns() {
    static const std::vector<FigureColumn> names = [] {
        std::vector<FigureColumn> all;
        for (const Column& column : columns())
            all.push_back(column.names);
        return all;
    }();
    return names;
}

FigureCell figureCell(const Rows& rows, std::size_t row, std::size_t column) {
    const Column& shown = columns()[column];
    return shown.cell(rows, row, shown.scan);
}

double factorToRowAbove(const Rows& rows, std::size_t row, std::size_t scan) {
    if (row == 0)
        return 0;
    const double before = rows[row - 1].scans[scan].seconds;
    const double now = rows[row].scans[scan].seconds;
    return before > 0 && now > 0 ? now / before : 0;
}

std::size_t rowForNumber(const Rows& rows, std::int32_t zahl) {
    const auto place = std::upper_bound(
        rows.begin(), rows.end(), zahl,
        [](std::int32_t number, const NumberFigures& row) { return number < row.zahl; });
    return static_cast<std::size_t>(place - rows.begin());
}

} // namespace faktorlupe::vergleich
