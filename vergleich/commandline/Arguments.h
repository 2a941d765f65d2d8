#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace faktorlupe::vergleich {

struct Arguments {
    std::vector<std::int32_t> numbers; // empty: the default series
    QString csvPath;
    QString chartPath;
    bool help = false;
    bool version = false;
    bool linear = false; // the chart on linear axes instead of logarithmic ones
    bool window = false; // measure and draw in a window
};

// Reads the command line (the program name first). Returns an empty error when the arguments are
// sound; otherwise a German sentence saying what is wrong. Everything is checked before anything
// is measured or written: the numbers (decimal, 2 to 2147483647), the options, and whether the
// output files can be written, without creating them.
QString parseArguments(const QStringList& commandLine, Arguments& arguments);

// The German text of --help.
QString helpText();

} // namespace faktorlupe::vergleich
