#pragma once

#include "vergleich/measurement/NumberFigures.h"
#include "vergleich/measurement/Problem.h"

#include <QString>
#include <ostream>
#include <string>
#include <vector>

namespace faktorlupe::vergleich {

// The figures as a table for people: German headings like the window's, times with their unit
// and a decimal comma ("447 ns", "0,62 s").
void writeTable(std::ostream& out, const std::vector<NumberFigures>& figures);

// Writes the CSV for scripts (vergleich/readable/ScriptCsv.h) whole (see FileWriting.h).
Problem<QString> writeCsvFile(const QString& path, const std::vector<NumberFigures>& figures);

} // namespace faktorlupe::vergleich
