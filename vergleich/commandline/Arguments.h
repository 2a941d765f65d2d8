#pragma once

#include "vergleich/measurement/Problem.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace faktorlupe::vergleich {

struct Arguments {
    std::vector<std::int32_t> numbers; // empty: the default series
    QString csvPath;                   // the CSV for scripts
    QString spreadsheetCsvPath;        // the CSV for German spreadsheets
    QString chartPath;
    bool help = false;
    bool version = false;
    bool linear = false; // the chart on linear axes instead of logarithmic ones
    bool window = false; // measure and draw in a window
    // An option the program does not know made the command line wrong. With --fenster it may be
    // one of Qt's own (-style Fusion), which Qt takes out as the window starts.
    bool unknownOption = false;
};

// Reads the command line (the program name first). The problem says what is wrong: a number that is
// not one from 2 to 2147483647, an unknown option, a chart without .png or .svg, --csv, --csv-de or
// --chart beside
// --fenster, twice or with an empty name.
// Whether the files can be written, and whether two options name one file, is for the run to
// check, before it measures: only the system knows where links lead.
Problem<QString> parseArguments(const QStringList& commandLine, Arguments& arguments);

// The German text of --help.
QString helpText();

} // namespace faktorlupe::vergleich
