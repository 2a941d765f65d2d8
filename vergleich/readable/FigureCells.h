#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace faktorlupe::vergleich {

// The table of the figures as the comparison window and the page show it (UTF-8): one row a
// number, ordered by the number however the figures came ("97; 12; 1000003" reads 12, 97,
// 1000003), and the columns Zahl, Teiler, and for each scan its candidates, its time as people
// read it and the factor of that time to the row above ("× 2,0"), so that a doubling is read off
// rather than worked out. A time whose measurements spread by more than 20 % is marked with "⚠"
// (spoken as "unsicher"), and its tooltip gives the spread. Numbers are shown with their
// thousands apart ("1 600 000 009") and copied plain.

// The texts of one cell; an empty tooltip, spoken text or description is none, an empty copied
// text is the shown one.
struct FigureCell {
    std::string text;
    std::string tooltip;
    std::string spoken;
    std::string copied;
    std::string description; // read once after the spoken text, when the cell gets the focus
};

struct FigureColumn {
    std::string heading; // a line break where a narrow column breaks it: "Zeit\nalle"
    std::string tooltip;
};

const std::vector<FigureColumn>& figureColumns();

// The cell of a row and column of rows ordered by number.
FigureCell figureCell(const std::vector<NumberFigures>& rows, std::size_t row, std::size_t column);

// How many times the scan's time in row is its time in the row above; 0 for the first row and
// where either time is missing.
double factorToRowAbove(const std::vector<NumberFigures>& rows, std::size_t row, std::size_t scan);

// Where the figures of zahl go among rows ordered by number: after those of the same number.
std::size_t rowForNumber(const std::vector<NumberFigures>& rows, std::int32_t zahl);

} // namespace faktorlupe::vergleich
