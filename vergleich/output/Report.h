#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <QString>
#include <ostream>
#include <string>
#include <vector>

namespace faktorlupe::vergleich {

// The figures as a table for people: German headings like the window's, times with their unit
// and a decimal comma ("447 ns", "0,62 s").
void writeTable(std::ostream& out, const std::vector<NumberFigures>& figures);

// The figures as CSV, one line a number under the header
// zahl,teiler,kandidaten_alle,sekunden_alle,kandidaten_haelfte,sekunden_haelfte,
// kandidaten_wurzel,sekunden_wurzel; seconds with "." and every digit needed to read them back.
void writeCsv(std::ostream& out, const std::vector<NumberFigures>& figures);

// Writes the CSV file whole (see FileWriting.h). Returns an empty text on success, else a German
// sentence saying what went wrong.
QString writeCsvFile(const QString& path, const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
