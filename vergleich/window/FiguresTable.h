#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <QAbstractTableModel>
#include <vector>

class QTableView;

namespace faktorlupe::vergleich {

// The comparison window's table: one row a number, ordered by the number however the figures
// came ("97; 12; 1000003" reads 12, 97, 1000003), and one column for each entry of the column
// table in FiguresTable.cpp: Zahl, Teiler, and for each scan its candidates, its time as people
// read it and the factor of that time to the row above ("× 2,0"), so that a doubling is read
// off rather than worked out. A time whose measurements spread by more than 20 % is marked with
// "⚠" (spoken as "unsicher"), and its tooltip gives the spread, which a screen reader reads as
// the cell's description. Numbers are shown with their thousands apart ("1 600 000 009") and, as
// the edit role, written plain for copying; each row's number is its header too.
class FiguresTable final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Puts the figures in their place among the rows, after those of the same number.
    void add(const NumberFigures& figures);
    // Neue Reihe: no rows.
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<NumberFigures> m_rows;
};

// The cells selected in the view as tab-separated lines, as spreadsheets take them, numbers
// without their thousands apart; empty when none are.
QString selectedCellsText(const QTableView& view);

} // namespace faktorlupe::vergleich
