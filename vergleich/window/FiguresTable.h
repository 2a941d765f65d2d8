#pragma once

#include "vergleich/measurement/NumberFigures.h"

#include <QAbstractTableModel>
#include <vector>

namespace faktorlupe::vergleich {

// The comparison window's table: one row a number, in the order the figures came, and one column
// for each entry of the column table in FiguresTable.cpp: Zahl, Teiler, and for each scan its
// candidates and its time as people read it. A column's text may draw on the rows before it.
class FiguresTable final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void append(const NumberFigures& figures);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<NumberFigures> m_rows;
};

} // namespace faktorlupe::vergleich
